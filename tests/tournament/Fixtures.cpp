#include "Fixtures.h"

namespace plio::test {

Competition Tournoi(int tables, int donnes, const std::string& type)
{
    Competition c;
    c.Tournoi.TypeCompetition = type;
    c.Tournoi.NomCompetition = "Essai";
    c.Tournoi.NombreTables = tables;
    c.Tournoi.NombreDonnes = donnes;
    DimensionnePaires(c.Tournoi, tables);
    for (int p = 1; p <= 2 * tables; ++p) {
        Tpaires& paire = c.Tournoi.Paires[static_cast<std::size_t>(p)];
        paire.Numero = p;
        paire.Joueur1 = "H$Nord" + std::to_string(p);
        paire.Joueur2 = "F$Sud" + std::to_string(p);
        paire.DonnesJouees.assign(static_cast<std::size_t>(donnes + 1), 0);
    }
    c.Donnes.resize(static_cast<std::size_t>(donnes + 1));
    for (int k = 1; k <= donnes; ++k) {
        board& b = c.Donnes[static_cast<std::size_t>(k)];
        b.Indice = k;
        b.NumeroEtui = k;
        b.Donneur = "N";
        b.Vulnerabilite = "None";
        b.DonneValide = true;
        b.FeuillesValides = true;
    }
    c.EtatFichier = "DFA";
    c.FichierCharge = true;
    return c;
}

void AjouteLigne(Competition& competition, int donne, const Ligne& ligne)
{
    board& b = competition.Donnes[static_cast<std::size_t>(donne)];
    ResultsSheet f;
    f.PaireNS = ligne.ns;
    f.PaireEO = ligne.eo;
    f.Contrat = ligne.contrat;
    f.Declarant = ligne.declarant;
    f.Resultat = ligne.resultat;
    f.Entame = ligne.entame;
    f.ScoreNS = ligne.scoreNS;
    f.ScoreEO = ligne.scoreEO;
    f.PourcentNS = ligne.pourcentNS;
    f.PourcentEO = ligne.pourcentEO;
    b.Feuilles.push_back(f);
    b.NombreFeuilles = static_cast<int>(b.Feuilles.size()) - 1;
    for (int p : { ligne.ns, ligne.eo })
        competition.Tournoi.Paires[static_cast<std::size_t>(p)]
            .DonnesJouees[static_cast<std::size_t>(donne)]
            = 1;
}

} // namespace plio::test
