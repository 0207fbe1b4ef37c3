#include "pbn/EcritureDialecte.h"

#include "model/Textes.h"
#include "pbn/ConvertitNotation.h"
#include "pbn/FichierTexte.h"

#include <algorithm>

namespace plio {

namespace {

constexpr std::string_view FinDeLigne = "\r\n";
constexpr std::array<const char*, 5> LettresSieges { "", "S", "W", "N", "E" };
constexpr std::array<const char*, 6> LettresStrains { "", "C", "D", "H", "S", "NT" };

// A line break inside a field would shift every line after it.
std::string UneLigne(std::string_view texte)
{
    std::string t(texte);
    std::replace(t.begin(), t.end(), '\r', ' ');
    std::replace(t.begin(), t.end(), '\n', ' ');
    return t;
}

// Sheet fields are separated by spaces: one inside a field would shift the fields after it.
std::string Champ(std::string_view texte)
{
    std::string t = UneLigne(texte);
    std::replace(t.begin(), t.end(), ' ', '_');
    return t;
}

class Redacteur {
public:
    explicit Redacteur(const Competition& competition)
        : competition_(competition)
        , tournoi_(competition.Tournoi)
    {
    }

    std::string Texte()
    {
        Entete();
        for (int b = 1;
             b <= tournoi_.NombreDonnes && b < static_cast<int>(competition_.Donnes.size()); ++b)
            Bloc(competition_.Donnes[static_cast<std::size_t>(b)]);
        return std::move(texte_);
    }

private:
    void Ligne(std::string_view ligne)
    {
        texte_ += ligne;
        texte_ += FinDeLigne;
    }

    void Tag(std::string_view nom, std::string_view valeur)
    {
        Ligne("[" + std::string(nom) + " \"" + UneLigne(valeur) + "\"]");
    }

    void Entete()
    {
        Tag("Event", tournoi_.TypeCompetition + "-" + tournoi_.NomCompetition);
        Tag("Site", tournoi_.Lieu);
        Tag("Date", tournoi_.DateCompetition);
        Tag("Pairs", std::to_string(tournoi_.NombreTables));
        const Tpaires vide;
        for (int p = 1; p <= 2 * tournoi_.NombreTables; ++p) {
            const Tpaires& paire = p < static_cast<int>(tournoi_.Paires.size())
                ? tournoi_.Paires[static_cast<std::size_t>(p)]
                : vide;
            Ligne(std::to_string(paire.Numero));
            Ligne(UneLigne(paire.Joueur1));
            Ligne(UneLigne(paire.Joueur2));
        }
    }

    void Bloc(const board& donne)
    {
        Tag("Board", std::to_string(donne.NumeroEtui));
        for (const char* siege : { "West", "North", "East", "South" })
            Tag(siege, "");
        Tag("Dealer", donne.Donneur);
        Tag("Vulnerable", donne.Vulnerabilite);
        Ligne(UneLigne(donne.LigneDonne));
        for (const char* tag : { "Scoring", "Declarer", "Contract", "Result" })
            Tag(tag, "");

        Ligne("[OptimumPlayTable ]");
        for (std::size_t entameur = 1; entameur <= 4; ++entameur)
            for (std::size_t strain = 1; strain <= 5; ++strain) {
                std::string ligne;
                for (std::size_t couleur = 1; couleur <= 4; ++couleur)
                    ligne
                        += std::to_string(donne.EntamesCorrectes[entameur][strain][couleur]) + " ";
                Ligne(ligne);
            }

        std::string par = "[OptimumResultTable " + std::to_string(donne.ContratPar) + " "
            + std::to_string(donne.CampPar);
        for (std::size_t siege = 1; siege <= 4; ++siege)
            par += " " + std::to_string(donne.MeilleurContrat[siege]);
        for (std::size_t siege = 1; siege <= 4; ++siege) {
            // A code outside 1..35 has no contract: it reads as one no trump, as code 0 does.
            const int code = donne.MeilleurContrat[siege];
            const bool contrat = code >= 1 && code <= 35;
            const std::size_t strain
                = contrat && code % 5 != 0 ? static_cast<std::size_t>(code % 5) : 5;
            const std::size_t niveau = contrat ? static_cast<std::size_t>((code - 1) / 5 + 1) : 1;
            par += " " + std::to_string(donne.ScoreContrat[siege][strain][niveau]);
        }
        Ligne(par + "]");
        for (std::size_t siege = 1; siege <= 4; ++siege)
            for (std::size_t strain = 1; strain <= 5; ++strain)
                Ligne(std::string(LettresSieges[siege]) + " " + LettresStrains[strain] + " "
                    + std::to_string(donne.Plis[siege][strain]));

        Ligne("[ScoreTable " + std::to_string(donne.NombreFeuilles) + "]");
        for (int i = 1; i <= donne.NombreFeuilles; ++i) {
            const ResultsSheet vide;
            const ResultsSheet& f = i < static_cast<int>(donne.Feuilles.size())
                ? donne.Feuilles[static_cast<std::size_t>(i)]
                : vide;
            std::string ligne;
            for (const std::string& champ : { std::to_string(f.PaireNS), std::to_string(f.PaireEO),
                     Champ(f.Contrat), Champ(f.Declarant), Champ(f.Resultat),
                     std::to_string(f.ScoreNS), std::to_string(f.ScoreEO) })
                ligne += champ + " ";
            if (tournoi_.TypeCompetition == "MPQ")
                ligne += std::to_string(donne.ResultatIMP) + " ";
            else
                ligne += Champ(f.PourcentNS) + " " + Champ(f.PourcentEO) + " ";
            ligne += Champ(f.Entame) + " ";
            Ligne(ligne);
        }
    }

    const Competition& competition_;
    const Ttournoi& tournoi_;
    std::string texte_;
};

Competition EnNotationAnglaise(const Competition& competition, std::string_view langue)
{
    Competition copie = competition;
    ConvertitNotation(copie, "anglais", langue);
    return copie;
}

} // namespace

std::string TexteFichierPBN(const Competition& competition, std::string_view langue)
{
    return Redacteur(EnNotationAnglaise(competition, langue)).Texte();
}

ResultatFichier EcritFichierPBN(Competition& competition, const std::filesystem::path& chemin,
    Dialogues& dialogues, std::string_view langue)
{
    // The texts are converted in a copy, so the model keeps the interface notation whatever
    // happens to the file.
    const Competition anglais = EnNotationAnglaise(competition, langue);
    if (!EcritAtomiquement(chemin, Redacteur(anglais).Texte())) {
        ResultatFichier echec { IssueFichier::NonEcrite, 0, Message(28, langue) };
        dialogues.AfficheMessage(echec.message);
        return echec;
    }
    competition.EtatFichier = EtatDeFichier(DrapeauxCompetition(anglais));
    return {};
}

void EcritFichierPBN()
{
    EcritFichierPBN(CompetitionCourante, Tournoi.NomFichier, *DialoguesProgramme, Langue);
}

} // namespace plio
