#include "pbn/ConvertitNotation.h"

#include <string>

namespace plio {

namespace {

// Replaces c by the image of the first pair (from, to) whose "from" equals it.
void Remplace(char& c, std::string_view depuis, std::string_view vers)
{
    const auto position = depuis.find(c);
    if (position != std::string_view::npos) c = vers[position];
}

void VersAnglais(ResultsSheet& f)
{
    std::string& contrat = f.Contrat;
    if (contrat.size() > 2 && contrat.compare(1, 2, "SA") == 0)
        contrat.replace(1, 2, "NT");
    else
        Remplace(contrat[1], "TKCP", "CDHS");
    if (f.Declarant == "O") f.Declarant = "W";
    if (f.Entame.size() >= 2) {
        Remplace(f.Entame[0], "XVDR", "TJQK");
        Remplace(f.Entame[1], "TKCP", "CDHS");
    }
}

void VersFrancais(ResultsSheet& f)
{
    std::string& contrat = f.Contrat;
    const bool deuxiemeLettreA = contrat.size() > 2 && contrat[2] == 'A';
    if (contrat[1] == 'N' && contrat.size() > 2) {
        contrat[1] = 'S';
        contrat[2] = 'A';
    } else if (!(contrat[1] == 'S' && deuxiemeLettreA)) {
        Remplace(contrat[1], "CDHS", "TKCP");
    }
    if (f.Declarant == "W") f.Declarant = "O";
    if (f.Entame.size() >= 2) {
        Remplace(f.Entame[0], "TJQK", "XVDR");
        Remplace(f.Entame[1], "CDHS", "TKCP");
    }
}

} // namespace

void ConvertitNotation(Competition& competition, std::string_view cible, std::string_view langue)
{
    if (langue == "anglais") return;
    const bool versAnglais = cible == "anglais";
    const int nombreDonnes = competition.Tournoi.NombreDonnes;
    for (int b = 1; b <= nombreDonnes && b < static_cast<int>(competition.Donnes.size()); ++b) {
        board& donne = competition.Donnes[static_cast<std::size_t>(b)];
        for (int i = 1; i <= donne.NombreFeuilles && i < static_cast<int>(donne.Feuilles.size());
             ++i) {
            ResultsSheet& f = donne.Feuilles[static_cast<std::size_t>(i)];
            // Too short to hold a strain ("A", an empty sheet): nothing in it to convert.
            if (f.Contrat.size() < 2) continue;
            if (versAnglais)
                VersAnglais(f);
            else
                VersFrancais(f);
        }
    }
}

void ConvertitNotation(std::string_view cible)
{
    ConvertitNotation(CompetitionCourante, cible, Langue);
}

} // namespace plio
