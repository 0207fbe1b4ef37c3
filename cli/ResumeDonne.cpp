#include "cli/ResumeDonne.h"

#include "model/Textes.h"
#include "solver/ParEtContrats.h"

#include <iomanip>
#include <ostream>
#include <string>

namespace {

using json = nlohmann::ordered_json;

// Seats in the order the tool shows them, with their letters.
constexpr int Sieges[] = { plio::Nord, plio::Est, plio::Sud, plio::Ouest };
constexpr const char* LettresSieges[] = { "", "S", "W", "N", "E" };
constexpr const char* LettresStrains[] = { "", "C", "D", "H", "S", "NT" };
constexpr const char* LettresRangs = "23456789TJQKA";

std::string Contrat(int code)
{
    return code >= 1 && code <= 35 ? plio::NomsContratsFichier(0)[code] : "-";
}

// Every correct lead, by suit clubs to spades and rank high to low: "AH" is the ace of hearts.
json Cartes(const std::array<std::int32_t, 5>& masques)
{
    json cartes = json::array();
    for (int s = 1; s <= 4; ++s)
        for (int r = 12; r >= 0; --r)
            if (masques[s] & plio::MasqueRang[r])
                cartes.push_back(std::string { LettresRangs[r], LettresStrains[s][0] });
    return cartes;
}

} // namespace

void AfficheTablePlis(std::ostream& sortie, const plio::board& donne)
{
    sortie << "Tricks  C  D  H  S NT\n";
    for (int siege : Sieges) {
        sortie << LettresSieges[siege] << "     ";
        for (int strain = 1; strain <= 5; ++strain)
            sortie << std::setw(3) << int(donne.Plis[siege][strain]);
        sortie << "\n";
    }
}

void AfficheContratsEtPar(std::ostream& sortie, const plio::board& donne)
{
    sortie << "Best:";
    for (int siege : Sieges)
        sortie << " " << LettresSieges[siege] << " " << Contrat(donne.MeilleurContrat[siege]);
    sortie << "\nPar: " << Contrat(donne.ContratPar) << " " << plio::CampParEnLettres(donne.CampPar)
           << "\n";
}

void AfficheEntames(std::ostream& sortie, const plio::board& donne)
{
    for (int entameur : Sieges)
        for (int strain = 1; strain <= 5; ++strain) {
            sortie << "Leads " << LettresSieges[entameur] << " " << std::setw(2) << std::left
                   << LettresStrains[strain] << std::right << ":";
            for (const auto& carte : Cartes(donne.EntamesCorrectes[entameur][strain]))
                sortie << " " << carte.get<std::string>();
            sortie << "\n";
        }
}

json AnalyseEnJson(const plio::board& donne, bool entames)
{
    json plis = json::object();
    json meilleurs = json::object();
    for (int siege : Sieges) {
        json ligne = json::object();
        for (int strain = 1; strain <= 5; ++strain)
            ligne[LettresStrains[strain]] = donne.Plis[siege][strain];
        plis[LettresSieges[siege]] = ligne;
        meilleurs[LettresSieges[siege]] = Contrat(donne.MeilleurContrat[siege]);
    }
    json resultat = { { "tricks", plis }, { "best", meilleurs },
        { "par",
            { { "contract", Contrat(donne.ContratPar) },
                { "side", plio::CampParEnLettres(donne.CampPar) }, { "code", donne.ContratPar },
                { "camp", donne.CampPar } } } };
    if (entames) {
        json parEntameur = json::object();
        for (int entameur : Sieges) {
            json parStrain = json::object();
            for (int strain = 1; strain <= 5; ++strain)
                parStrain[LettresStrains[strain]]
                    = Cartes(donne.EntamesCorrectes[entameur][strain]);
            parEntameur[LettresSieges[entameur]] = parStrain;
        }
        resultat["leads"] = parEntameur;
    }
    return resultat;
}
