#include "model/VariablesGlobales.h"

#include <algorithm>

namespace plio {

void ReinitialiseTournoi(Ttournoi& tournoi)
{
    tournoi.TypeCompetition.clear();
    tournoi.NomCompetition.clear();
    tournoi.Lieu.clear();
    tournoi.DateCompetition.clear();
    tournoi.NomFichier.clear();
    tournoi.Mode.clear();
    tournoi.NombreDonnes = 0;
    tournoi.NombreTables = 0;
    tournoi.EtuiCourant = 0;
    tournoi.DonneCourante = 0;
    tournoi.ListeChoisie.clear();
}

void DimensionnePaires(Ttournoi& tournoi, int n)
{
    tournoi.Paires.resize(static_cast<std::size_t>(2 * std::max(n, 0) + 1));
}

int ValeurRang(char lettre)
{
    switch (lettre) {
    case 'A': return 12;
    case 'K': case 'R': return 11;
    case 'Q': case 'D': return 10;
    case 'J': case 'V': return 9;
    case 'T': case 'X': return 8;
    default:
        if (lettre >= '2' && lettre <= '9') return lettre - '2';
        return -1;
    }
}

int SiegeDeLettre(char lettre)
{
    switch (lettre) {
    case 'S': return Sud;
    case 'W': case 'O': return Ouest;
    case 'N': return Nord;
    case 'E': return Est;
    default: return 0;
    }
}

bool LitDonne(board& donne)
{
    for (auto& siege : donne.Cartes)
        for (auto& couleur : siege) couleur.fill(false);
    for (auto& siege : donne.Couleurs) siege.fill(0);

    const std::string& ligne = donne.LigneDonne;
    // Character 8 (1-based) is the first seat, the hands start at character 10.
    int siege = ligne.size() >= 8 ? SiegeDeLettre(ligne[7]) : 0;
    if (siege == 0) siege = Nord;
    int couleur = 4;
    int cartes = 0;
    for (std::size_t i = 9; i < ligne.size() && cartes < 52; ++i) {
        const char c = ligne[i];
        if (c == '"') break;
        if (c == '.') {
            --couleur;
        } else if (c == ' ') {
            siege = Suivant[siege];
            couleur = 4;
        } else {
            const int rang = ValeurRang(c);
            // A stray character or a fifth suit group cannot be placed: skip it rather than
            // write outside the tables.
            if (rang < 0 || couleur < 1) continue;
            donne.Cartes[siege][couleur][rang] = true;
            donne.Couleurs[siege][couleur] |= MasqueRang[rang];
            ++cartes;
        }
    }
    return ligne.size() == LongueurLigneDonneComplete;
}

std::array<std::int32_t, 5> DrapeauxVulnerabilite(std::string_view mot)
{
    if (mot == "NS") return { 0, 1, 0, 1, 0 };
    if (mot == "EW") return { 0, 0, 1, 0, 1 };
    if (mot == "Both" || mot == "Bo" || mot == "All") return { 0, 1, 1, 1, 1 };
    return {};
}

bool DonneAnalysee(const board& donne)
{
    for (int d = 1; d <= 4; ++d)
        for (int s = 1; s <= 5; ++s)
            if (donne.Plis[d][s] >= 1 && donne.Plis[d][s] <= 13) return true;
    return false;
}

} // namespace plio
