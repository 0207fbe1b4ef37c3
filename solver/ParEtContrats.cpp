#include "solver/ParEtContrats.h"

#include <algorithm>
#include <array>

namespace plio {

namespace {

constexpr int NombreContrats = 35;

using LigneScores = std::array<int, NombreContrats + 1>; // by contract code 1..35

// The highest contract of the best score: a later (higher) contract wins ties.
int MeilleurDeLaLigne(const LigneScores& ligne, int premier, int& meilleur)
{
    int code = 0;
    for (int c = premier; c <= NombreContrats; ++c)
        if (ligne[c] >= meilleur) {
            meilleur = ligne[c];
            code = c;
        }
    return code;
}

int CodeCamp(const board& donne, int contrat, int siege, int partenaire, int campCommun)
{
    const int strain = contrat % 5 == 0 ? 5 : contrat % 5;
    if (donne.Plis[partenaire][strain] < donne.Plis[siege][strain]) return siege;
    if (donne.Plis[siege][strain] < donne.Plis[partenaire][strain]) return partenaire;
    return campCommun;
}

} // namespace

void MeilleursContratsEtPar(board& donne)
{
    std::array<LigneScores, 5> sc {};
    for (int siege = 1; siege <= 4; ++siege)
        for (int niveau = 1; niveau <= 7; ++niveau)
            for (int strain = 1; strain <= 5; ++strain)
                sc[siege][5 * (niveau - 1) + strain] = donne.ScoreContrat[siege][strain][niveau];

    for (int siege = 1; siege <= 4; ++siege) {
        int meilleur = -100000;
        donne.MeilleurContrat[siege] = MeilleurDeLaLigne(sc[siege], 1, meilleur);
    }

    LigneScores ns {};
    LigneScores eo {};
    for (int c = 1; c <= NombreContrats; ++c) {
        ns[c] = std::max(sc[Sud][c], sc[Nord][c]);
        eo[c] = std::max(sc[Ouest][c], sc[Est][c]);
    }
    int meilleurNS = -10000;
    int meilleurEO = -10000;
    int contratNS = MeilleurDeLaLigne(ns, 1, meilleurNS);
    int contratEO = MeilleurDeLaLigne(eo, 1, meilleurEO);

    // Each side in turn bids above the other while it loses no more than it would let the
    // other side score; the test is >=, so a sacrifice that costs exactly the game is taken.
    for (bool change = true; change;) {
        change = false;
        const bool nsPlusHaut = contratEO < contratNS;
        LigneScores& ligne = nsPlusHaut ? eo : ns;
        const int adverse = nsPlusHaut ? meilleurNS : meilleurEO;
        const int depart = nsPlusHaut ? contratNS : contratEO;
        int meilleur = -10000;
        int code = 0;
        for (int c = depart + 1; c <= NombreContrats; ++c)
            if (ligne[c] >= -adverse && ligne[c] >= meilleur) {
                meilleur = ligne[c];
                code = c;
            }
        (nsPlusHaut ? meilleurEO : meilleurNS) = meilleur;
        if (code != 0) {
            (nsPlusHaut ? contratEO : contratNS) = code;
            change = true;
        }
    }

    donne.ContratPar = std::max(contratNS, contratEO);
    const int campNS = CodeCamp(donne, donne.ContratPar, Sud, Nord, 5);
    const int campEO = CodeCamp(donne, donne.ContratPar, Ouest, Est, 6);
    if (contratNS == contratEO)
        donne.CampPar = 10 * campEO + campNS;
    else
        donne.CampPar = contratNS > contratEO ? campNS : campEO;
}

std::string CampParEnLettres(int campPar)
{
    static const char* const Lettres[] = { "", "S", "W", "N", "E", "NS", "EW" };
    if (campPar >= 1 && campPar <= 6) return Lettres[campPar];
    if (campPar >= 10 && campPar / 10 <= 6 && campPar % 10 >= 1 && campPar % 10 <= 6)
        return std::string(Lettres[campPar / 10]) + "+" + Lettres[campPar % 10];
    return "";
}

} // namespace plio
