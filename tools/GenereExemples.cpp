// Writes the example competitions of examples/ with the program's own scoring and file writer:
// a pairs tournament, a team match and a competition whose last deal is still being typed.
// Everything is derived from fixed seeds, so running it again gives the same bytes.
// Usage: plioscope-exemples [FOLDER] (default: examples)
#include "model/Dialogues.h"
#include "model/DonneAleatoire.h"
#include "model/Score.h"
#include "model/VariablesGlobales.h"
#include "pbn/EcritureDialecte.h"
#include "pbn/LigneDonne.h"

#include <array>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace plio;
using Couleurs = MainsDonne;

// The 52 cards dealt from a fixed seed; std::mt19937's sequence is the same everywhere.
Couleurs Distribue(unsigned graine)
{
    std::mt19937 generateur(graine);
    return DistribueAuHasard(generateur);
}

int Longueur(std::uint16_t masque)
{
    return __builtin_popcount(masque);
}

int Points(const Couleurs& c, int siege)
{
    int points = 0;
    for (int couleur = 1; couleur <= 4; ++couleur)
        for (int rang = 9; rang <= 12; ++rang)
            if (c[static_cast<std::size_t>(siege)][static_cast<std::size_t>(couleur)]
                & MasqueRang[static_cast<std::size_t>(rang)])
                points += rang - 8;
    return points;
}

struct Contrat {
    std::string texte; // English notation
    int declarant = 0;
    int plisDemandes = 0;
};

// What a sensible pair would bid: the stronger side plays its longest fit, or no trump, at the
// game level with 25 points and more.
Contrat ContratDeLaDonne(const Couleurs& c)
{
    const int pointsNS = Points(c, Sud) + Points(c, Nord);
    const int camp = pointsNS >= 20 ? Sud : Ouest;
    const int partenaire = Partenaire[static_cast<std::size_t>(camp)];
    const int points = Points(c, camp) + Points(c, partenaire);
    int strain = 5;
    int fit = 0;
    for (int couleur = 4; couleur >= 1; --couleur) {
        const int longueur
            = Longueur(c[static_cast<std::size_t>(camp)][static_cast<std::size_t>(couleur)])
            + Longueur(c[static_cast<std::size_t>(partenaire)][static_cast<std::size_t>(couleur)]);
        if (longueur >= 8 && longueur > fit && (couleur >= 3 || points < 25)) {
            strain = couleur;
            fit = longueur;
        }
    }
    int niveau = points >= 25 ? (strain == 5 ? 3 : strain >= 3 ? 4 : 5) : (strain == 5 ? 1 : 2);
    if (points >= 33) niveau = 6;
    // The hand longer in the strain (the stronger one at no trump) declares.
    const auto valeur = [&](int siege) {
        return strain == 5
            ? Points(c, siege)
            : Longueur(c[static_cast<std::size_t>(siege)][static_cast<std::size_t>(strain)]);
    };
    const int declarant = valeur(camp) >= valeur(partenaire) ? camp : partenaire;
    static constexpr std::array<const char*, 6> Strains { "", "C", "D", "H", "S", "NT" };
    return { std::to_string(niveau) + Strains[static_cast<std::size_t>(strain)], declarant,
        niveau + 6 };
}

// The top card of the opening leader's longest suit.
std::string Entame(const Couleurs& c, int declarant)
{
    const int entameur = Suivant[static_cast<std::size_t>(declarant)];
    int meilleure = 4;
    for (int couleur = 4; couleur >= 1; --couleur)
        if (Longueur(c[static_cast<std::size_t>(entameur)][static_cast<std::size_t>(couleur)])
            > Longueur(c[static_cast<std::size_t>(entameur)][static_cast<std::size_t>(meilleure)]))
            meilleure = couleur;
    const std::uint16_t masque
        = c[static_cast<std::size_t>(entameur)][static_cast<std::size_t>(meilleure)];
    int rang = 12;
    while (rang > 0 && !(masque & MasqueRang[static_cast<std::size_t>(rang)]))
        --rang;
    return std::string(1, "23456789TJQKA"[rang]) + "CDHS"[meilleure - 1];
}

std::string TexteResultat(int ecart)
{
    if (ecart == 0) return "=";
    return (ecart > 0 ? "+" : "") + std::to_string(ecart);
}

// One table's result: the deal's contract, made with `ecart` tricks over (or under) it, and its
// score from the scoring rules.
ResultsSheet Feuille(
    const board& donne, const Couleurs& c, int ns, int eo, int ecart, const Ttournoi& t)
{
    const Contrat contrat = ContratDeLaDonne(c);
    ResultsSheet f;
    f.PaireNS = ns;
    f.PaireEO = eo;
    f.Contrat = contrat.texte;
    f.Declarant = std::string(1, " SWNE"[contrat.declarant]);
    f.Resultat = TexteResultat(std::min(ecart, 13 - contrat.plisDemandes));
    f.Entame = Entame(c, contrat.declarant);
    const ScoreEtCamp score = ScoreFeuille(f.Contrat, f.Declarant, f.Resultat, donne, "anglais");
    (score.camp == 0 ? f.ScoreNS : f.ScoreEO) = score.score;
    const auto noms = [&](int numero) {
        for (const Tpaires& p : t.Paires)
            if (p.Numero == numero && numero != 0) return p.Joueur1 + "-" + p.Joueur2;
        return std::string {};
    };
    f.NomsNS = noms(ns);
    f.NomsEO = noms(eo);
    return f;
}

// A line where nobody played: passed out ("PA") or given an adjusted mark ("A").
ResultsSheet FeuilleSansJeu(const char* contrat, int ns, int eo)
{
    ResultsSheet f;
    f.PaireNS = ns;
    f.PaireEO = eo;
    f.Contrat = contrat;
    f.Declarant = f.Resultat = f.Entame = "-";
    return f;
}

Competition Entete(const char* type, const char* nom, const char* lieu, int tables,
    int nombreDonnes, const std::vector<std::array<const char*, 2>>& joueurs)
{
    Competition c;
    Ttournoi& t = c.Tournoi;
    t.TypeCompetition = type;
    t.NomCompetition = nom;
    t.Lieu = lieu;
    t.DateCompetition = "12/03/2026";
    t.NombreTables = tables;
    t.NombreDonnes = nombreDonnes;
    DimensionnePaires(t, tables);
    for (std::size_t p = 1; p < t.Paires.size(); ++p) {
        Tpaires& paire = t.Paires[p];
        paire.DonnesJouees.assign(static_cast<std::size_t>(nombreDonnes) + 1, 0);
        if (p > joueurs.size()) continue;
        paire.Numero = static_cast<int>(p);
        paire.Joueur1 = joueurs[p - 1][0];
        paire.Joueur2 = joueurs[p - 1][1];
    }
    c.Donnes.assign(static_cast<std::size_t>(nombreDonnes) + 1, board {});
    return c;
}

board& DonneDistribuee(Competition& c, int b, unsigned graine, Couleurs& couleurs)
{
    board& donne = c.Donnes[static_cast<std::size_t>(b)];
    donne.Indice = b;
    donne.NumeroEtui = b;
    // The usual cycle of dealers and vulnerabilities of a set of boards.
    donne.Donneur = std::string(1, "NESW"[(b - 1) % 4]);
    static constexpr std::array<const char*, 16> Cycle { "None", "NS", "EW", "Both", "NS", "EW",
        "Both", "None", "EW", "Both", "None", "NS", "Both", "None", "NS", "EW" };
    donne.Vulnerabilite = Cycle[static_cast<std::size_t>((b - 1) % 16)];
    donne.Vulnerable = DrapeauxVulnerabilite(donne.Vulnerabilite);
    couleurs = Distribue(graine);
    donne.LigneDonne = LigneDonneDeCouleurs(Nord, couleurs);
    donne.DonneValide = LitDonne(donne);
    return donne;
}

void MarqueJouees(Competition& c, board& donne)
{
    for (int i = 1; i <= donne.NombreFeuilles; ++i)
        for (Tpaires& p : c.Tournoi.Paires)
            if (p.Numero != 0
                && (p.Numero == donne.Feuilles[static_cast<std::size_t>(i)].PaireNS
                    || p.Numero == donne.Feuilles[static_cast<std::size_t>(i)].PaireEO))
                p.DonnesJouees[static_cast<std::size_t>(donne.Indice)] = 1;
}

// Four tables, eight boards, a Mitchell movement: North-South pairs 1 to 4 stay, East-West
// pairs 5 to 8 move one table every two boards. Board 3 is passed out at table 2; on board 7
// the director gives table 4 an adjusted mark of 60 % / 40 %.
Competition TournoiParPaires()
{
    Competition c = Entete("TPP", "Club Exemple", "Salle du club, Lyon", 4, 8,
        { { "H$Jean Dupont", "F$Marie Dupont" }, { "F$Hélène Lefèvre", "H$Éric Noël" },
            { "H$Paul Martin", "H$Luc Bernard" }, { "F$Anne Moreau", "F$Claire Petit" },
            { "H$Pierre Durand", "F$Sophie Girard" }, { "H$François Roux", "H$Jérôme Faure" },
            { "F$Isabelle Blanc", "F$Nathalie Garnier" },
            { "H$Michel Chevalier", "F$Zoé André" } });
    static constexpr std::array<int, 4> Ecarts { 0, 1, -1, 0 };
    for (int b = 1; b <= 8; ++b) {
        Couleurs couleurs;
        board& donne = DonneDistribuee(c, b, 2026u * 100 + static_cast<unsigned>(b), couleurs);
        donne.NombreFeuilles = 4;
        donne.Feuilles.assign(5, ResultsSheet {});
        DialoguesScriptes directeur;
        for (int table = 1; table <= 4; ++table) {
            const int ns = table;
            const int eo = 5 + (table - 1 + (b - 1) / 2) % 4;
            ResultsSheet& f = donne.Feuilles[static_cast<std::size_t>(table)];
            if (b == 3 && table == 2) {
                f = FeuilleSansJeu("PA", ns, eo);
            } else if (b == 7 && table == 4) {
                f = FeuilleSansJeu("A", ns, eo);
                directeur.saisies = { std::string("60"), std::string("40") };
            } else {
                f = Feuille(donne, couleurs, ns, eo,
                    Ecarts[static_cast<std::size_t>((table + b) % 4)], c.Tournoi);
            }
        }
        CalculePourcentages(donne, 4, directeur, "anglais");
        donne.FeuillesValides = true;
        MarqueJouees(c, donne);
    }
    return c;
}

// Team 1 against team 2 on eight boards: team 1 sits North-South in the first room and
// East-West in the second.
Competition Match()
{
    Competition c = Entete("MPQ", "Match Exemple", "Club de Lyon", 2, 8,
        { { "Équipe Martin", "Martin, Blanc, Roux, Noël" },
            { "Équipe Durand", "Durand, Petit, Faure, André" } });
    static constexpr std::array<int, 8> EcartsSalle1 { 0, 1, -1, 0, 2, 0, -2, 1 };
    static constexpr std::array<int, 8> EcartsSalle2 { -1, 1, 0, 0, 0, -1, 0, 1 };
    for (int b = 1; b <= 8; ++b) {
        Couleurs couleurs;
        board& donne = DonneDistribuee(c, b, 4044u * 100 + static_cast<unsigned>(b), couleurs);
        donne.NombreFeuilles = 2;
        donne.Feuilles.assign(3, ResultsSheet {});
        donne.Feuilles[1] = Feuille(
            donne, couleurs, 1, 2, EcartsSalle1[static_cast<std::size_t>(b - 1)], c.Tournoi);
        donne.Feuilles[2] = Feuille(
            donne, couleurs, 2, 1, EcartsSalle2[static_cast<std::size_t>(b - 1)], c.Tournoi);
        ResultatMatch(donne);
        for (int i = 1; i <= 2; ++i)
            donne.Feuilles[static_cast<std::size_t>(i)].PourcentNS
                = std::to_string(donne.ResultatIMP);
        donne.FeuillesValides = true;
        MarqueJouees(c, donne);
    }
    return c;
}

// Two tables, three boards: the first two are played and scored, the third is being typed in
// (only North's and East's hands are there, its sheets are still empty).
Competition SaisieEnCours()
{
    Competition c = Entete("TPP", "Saisie en cours", "Salle du club, Lyon", 2, 3,
        { { "H$Jean Dupont", "F$Marie Dupont" }, { "F$Hélène Lefèvre", "H$Éric Noël" },
            { "H$Paul Martin", "H$Luc Bernard" }, { "F$Anne Moreau", "F$Claire Petit" } });
    for (int b = 1; b <= 3; ++b) {
        Couleurs couleurs;
        board& donne = DonneDistribuee(c, b, 7000u + static_cast<unsigned>(b), couleurs);
        donne.NombreFeuilles = 2;
        donne.Feuilles.assign(3, ResultsSheet {});
        if (b == 3) {
            couleurs[Sud] = {};
            couleurs[Ouest] = {};
            donne.LigneDonne = LigneDonneDeCouleurs(Nord, couleurs);
            donne.DonneValide = LitDonne(donne);
            continue;
        }
        for (int table = 1; table <= 2; ++table)
            donne.Feuilles[static_cast<std::size_t>(table)] = Feuille(
                donne, couleurs, table, 2 + (table + b) % 2 + 1, table == b ? 1 : 0, c.Tournoi);
        DialoguesScriptes personne;
        CalculePourcentages(donne, 2, personne, "anglais");
        donne.FeuillesValides = true;
        MarqueJouees(c, donne);
    }
    return c;
}

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path dossier = argc > 1 ? argv[1] : "examples";
    std::filesystem::create_directories(dossier);
    const std::pair<const char*, Competition> exemples[] = {
        { "Club_Exemple_TPP.pbn", TournoiParPaires() },
        { "Match_Exemple_MPQ.pbn", Match() },
        { "Donne_Incomplete.pbn", SaisieEnCours() },
    };
    int code = 0;
    for (auto [nom, competition] : exemples) {
        DialoguesScriptes dialogues;
        const auto chemin = dossier / nom;
        competition.Tournoi.NomFichier = chemin.string();
        if (!EcritFichierPBN(competition, chemin, dialogues, "anglais").reussi()) {
            std::cerr << "Cannot write " << chemin.string() << "\n";
            code = 1;
            continue;
        }
        std::cout << chemin.string() << ": " << competition.EtatFichier << "\n";
    }
    return code;
}
