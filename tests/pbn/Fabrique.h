// Small competitions and scratch folders for the file tests.
#pragma once

#include "model/DonneAleatoire.h"
#include "model/VariablesGlobales.h"
#include "pbn/LigneDonne.h"

#include <array>
#include <filesystem>
#include <random>
#include <string>

namespace plio::test {

// A complete deal line, the same for the same seed.
inline std::string LigneDonneDeTest(unsigned graine)
{
    std::mt19937 generateur(graine);
    return LigneDonneDeCouleurs(Nord, DistribueAuHasard(generateur));
}

// A pairs tournament ("TPP") or team match ("MPQ") with complete deals and valid sheets in
// English notation: pair p plays North-South against pair NombreTables + p.
inline Competition CompetitionDeTest(const std::string& type, int tables, int donnes)
{
    Competition c;
    Ttournoi& t = c.Tournoi;
    t.TypeCompetition = type;
    t.NomCompetition = "Essai";
    t.Lieu = "Salle des fêtes";
    t.DateCompetition = "12/03/2026";
    t.NombreTables = tables;
    t.NombreDonnes = donnes;
    DimensionnePaires(t, tables);
    for (int p = 1; p <= 2 * tables; ++p) {
        Tpaires& paire = t.Paires[static_cast<std::size_t>(p)];
        paire.Numero = p;
        paire.Joueur1 = "H$Joueur " + std::to_string(p) + "a";
        paire.Joueur2 = "F$Joueuse " + std::to_string(p) + "b";
        paire.DonnesJouees.assign(static_cast<std::size_t>(donnes) + 1, 1);
        paire.DonnesJouees[0] = 0;
    }
    c.Donnes.assign(static_cast<std::size_t>(donnes) + 1, board {});
    for (int b = 1; b <= donnes; ++b) {
        board& d = c.Donnes[static_cast<std::size_t>(b)];
        d.Indice = b;
        d.NumeroEtui = b;
        d.Donneur = std::string(1, "NESW"[(b - 1) % 4]);
        d.Vulnerabilite = b % 2 ? "None" : "Both";
        d.Vulnerable = DrapeauxVulnerabilite(d.Vulnerabilite);
        d.LigneDonne = LigneDonneDeTest(static_cast<unsigned>(b));
        d.DonneValide = LitDonne(d);
        d.NombreFeuilles = tables;
        d.Feuilles.assign(static_cast<std::size_t>(tables) + 1, ResultsSheet {});
        for (int i = 1; i <= tables; ++i) {
            ResultsSheet& f = d.Feuilles[static_cast<std::size_t>(i)];
            f.PaireNS = i;
            f.PaireEO = tables + i;
            const Tpaires& ns = t.Paires[static_cast<std::size_t>(i)];
            const Tpaires& eo = t.Paires[static_cast<std::size_t>(tables + i)];
            f.NomsNS = ns.Joueur1 + "-" + ns.Joueur2;
            f.NomsEO = eo.Joueur1 + "-" + eo.Joueur2;
            f.Contrat = i % 2 ? "4S" : "3NT";
            f.Declarant = i % 2 ? "N" : "W";
            f.Resultat = i % 2 ? "+1" : "-2";
            f.Entame = i % 2 ? "KH" : "QS";
            f.ScoreNS = i % 2 ? 450 : 100;
            f.ScoreEO = 0;
            f.PourcentNS = type == "MPQ" ? "3" : "50,00";
            f.PourcentEO = type == "MPQ" ? "" : "50,00";
        }
        d.ResultatIMP = type == "MPQ" ? 3 : 0;
        d.FeuillesValides = true;
    }
    c.EtatFichier = "DF";
    return c;
}

// A folder of its own, removed with everything in it at the end of the test.
class DossierTemporaire {
public:
    DossierTemporaire()
    {
        static int compteur = 0;
        chemin_ = std::filesystem::temp_directory_path()
            / ("plio_pbn_" + std::to_string(std::random_device {}()) + "_"
                + std::to_string(compteur++));
        std::filesystem::create_directories(chemin_);
    }
    ~DossierTemporaire()
    {
        std::error_code ignore;
        std::filesystem::remove_all(chemin_, ignore);
    }
    const std::filesystem::path& chemin() const { return chemin_; }
    std::filesystem::path operator/(const std::string& nom) const { return chemin_ / nom; }

private:
    std::filesystem::path chemin_;
};

} // namespace plio::test
