#include "solver/ServicesSolveur.h"

#include <bit>
#include <string>

namespace plio {

void AnalyseDoubleMortCouleur(SolveurDoubleMort& solveur, board& donne, int strain)
{
    TfutursPlis resultat;
    ParametresSolveur p;
    p.Mode = 2;
    p.Mains = donne.Couleurs;
    p.Resultat = &resultat;
    p.Atout = static_cast<std::uint8_t>(strain % 5);
    for (int entameur = 1; entameur <= 4; ++entameur) {
        // The pattern table lives from the first leader of a strain to the last.
        const bool premier = entameur == 1;
        const bool dernier = entameur == 4;
        p.CreeMotifs = premier ? FaireMemoire : SauterMemoire;
        p.EffaceMemoires = premier ? FaireMemoire : SauterMemoire;
        p.RefaitTables = premier || dernier ? FaireMemoire : SauterMemoire;
        p.CreeArbreCouleurs = premier ? FaireMemoire : SauterMemoire;
        p.LibereMotifs = dernier ? FaireMemoire : SauterMemoire;
        p.LibereArbreCouleurs = dernier ? FaireMemoire : SauterMemoire;
        p.NumeroDonne = 0;
        p.Entameur = static_cast<std::uint8_t>(entameur);
        p.CouleursTable = {};
        p.RangsTable = {};
        resultat.Nombre = 0;
        resultat.Score.fill(0);
        solveur.ResoutPosition(p);
        donne.Plis[Precedent[entameur]][strain] = static_cast<std::uint8_t>(13 - resultat.Score[1]);
        auto& entames = donne.EntamesCorrectes[entameur][strain];
        entames.fill(0);
        for (int i = 1; i <= resultat.Nombre && resultat.Score[i] == resultat.Score[1]; ++i)
            entames[resultat.Couleur[i]] ^= MasqueRang[resultat.Rang[i]];
    }
}

void AnalyseDoubleMort(SolveurDoubleMort& solveur, board& donne)
{
    for (int strain = 1; strain <= 5; ++strain)
        AnalyseDoubleMortCouleur(solveur, donne, strain);
}

int PlisMaximum(SolveurDoubleMort& solveur, ParametresSolveur parametres)
{
    TfutursPlis resultat;
    parametres.Mode = 1;
    parametres.CreeMotifs = parametres.EffaceMemoires = parametres.RefaitTables = FaireMemoire;
    parametres.CreeArbreCouleurs = parametres.LibereMotifs = parametres.LibereArbreCouleurs
        = FaireMemoire;
    parametres.NumeroDonne = 0;
    parametres.Resultat = &resultat;
    solveur.ResoutPosition(parametres);
    return resultat.Score[1];
}

std::optional<std::array<std::array<std::uint16_t, 5>, 5>> LitMains(std::string_view texte)
{
    board donne;
    donne.LigneDonne = "[Deal \"" + std::string(texte) + "\"]";
    if (texte.size() < 2 || texte[1] != ':' || SiegeDeLettre(texte[0]) == 0) return std::nullopt;
    LitDonne(donne);
    std::uint16_t toutes[5] = {};
    for (int h = 1; h <= 4; ++h) {
        int n = 0;
        for (int s = 1; s <= 4; ++s) {
            n += std::popcount(unsigned(donne.Couleurs[h][s]));
            if (toutes[s] & donne.Couleurs[h][s]) return std::nullopt;
            toutes[s] |= donne.Couleurs[h][s];
        }
        if (n != 13) return std::nullopt;
    }
    return donne.Couleurs;
}

} // namespace plio
