#include "tournament/FeuilleDeRoute.h"

#include "model/LectureNombres.h"
#include "model/Notation.h"
#include "model/Score.h"
#include "tournament/LegendesTournoi.h"
#include "tournament/NomAffiche.h"

#include <cmath>

namespace plio {

std::string LibellePar(const board& donne)
{
    if (donne.ContratPar < 1 || donne.ContratPar > 35 || donne.CampPar < 1 || donne.CampPar > 6)
        return {};
    return NomContratFrancais(donne.ContratPar) + TextePar(donne);
}

std::string TexteContrat(const ResultsSheet& feuille)
{
    return Aligne4(feuille.Contrat) + " par " + feuille.Declarant + " " + feuille.Resultat;
}

std::string EtiquetteFeuille(const Tpaires& paire, std::string_view langue)
{
    return EtiquettePaire(paire, "    ", "  ", langue);
}

namespace {

// Compared by contract code rather than by text: the contract is written in the interface's
// letters, the par in French ones.
bool EstLeContratPar(const board& donne, const ResultsSheet& feuille, std::string_view langue)
{
    if (feuille.Declarant.size() != 1 || NumeroJoueur(feuille.Declarant[0], langue) == 0)
        return false;
    return DoublementContrat(feuille.Contrat) == 0
        && CodeContrat(feuille.Contrat, langue) == donne.ContratPar;
}

// The IMPs a team won on a deal: table 1's North-South line wins ResultatIMP.
int IMPDeLEquipe(const board& donne, int numero)
{
    return donne.Feuilles.at(1).PaireNS == numero ? donne.ResultatIMP : -donne.ResultatIMP;
}

std::string Arrondi(double x)
{
    return std::to_string(static_cast<long>(std::nearbyint(x)));
}

std::string TexteRang(int rang, int nombrePaires)
{
    return std::to_string(rang) + " / " + std::to_string(nombrePaires);
}

Grille GrilleDonnes(
    const Competition& competition, FeuilleDeRoute& feuille, std::string_view langue)
{
    const bool match = EstMatchParEquipes(competition.Tournoi);
    using namespace LegendesFeuilleDeRoute;
    std::vector<std::string> entetes;
    for (const Legende& colonne : Colonnes)
        entetes.push_back(colonne.Texte(langue));
    if (match) {
        entetes[5] = IMP.Texte(langue);
        entetes[7] = Total.Texte(langue);
    }
    Grille grille { entetes };
    const std::vector<route>& lignes = feuille.Lignes;
    const std::size_t nombre = lignes.size() - 1;
    feuille.DebutsDeGroupe.assign(nombre + 1, false);
    for (std::size_t debut = 1; debut <= nombre;) {
        std::size_t fin = debut;
        while (fin + 1 <= nombre && lignes[fin + 1].Adversaire == lignes[debut].Adversaire)
            ++fin;
        double somme = 0;
        for (std::size_t l = debut; l <= fin; ++l)
            // A team is on both tables of a deal: its IMPs count once.
            if (!match || l == debut || lignes[l].Donne != lignes[l - 1].Donne)
                somme += lignes[l].Pourcentage;
        feuille.DebutsDeGroupe[debut] = true;
        for (std::size_t l = debut; l <= fin; ++l) {
            const route& ligne = lignes[l];
            const int code = ligne.CodeVulnerabilite;
            std::vector<std::string> rangee { std::to_string(ligne.Donne) + " "
                    + std::to_string(code / 10) + std::to_string(code % 10),
                ligne.LibellePar, ligne.TexteContrat, ligne.TexteScoreNS, ligne.TexteScoreEO };
            if (!match)
                rangee.push_back(FormatPourcent(ligne.Pourcentage));
            else if (l == 1 || ligne.Donne != lignes[l - 1].Donne)
                rangee.push_back(std::to_string(static_cast<int>(ligne.Pourcentage)));
            else
                rangee.emplace_back();
            if (l == debut) {
                rangee.push_back(ligne.TexteAdversaire);
                rangee.push_back(match
                        ? std::to_string(static_cast<int>(somme))
                        : FormatPourcent(somme / static_cast<double>(fin - debut + 1)));
            } else {
                rangee.insert(rangee.end(), 2, std::string());
            }
            grille.push_back(std::move(rangee));
        }
        debut = fin + 1;
    }
    return grille;
}

Grille GrilleResume(
    const Ttournoi& tournoi, const Tclassemt* ligne, const Tqualite* q, std::string_view langue)
{
    const bool match = EstMatchParEquipes(tournoi);
    // Ranks are out of the pairs that are ranked: a team match of two tables fills two of its
    // four slots.
    int paires = 0;
    for (std::size_t p = 1; p < tournoi.Paires.size(); ++p)
        paires += tournoi.Paires[p].Numero != 0;
    using namespace LegendesFeuilleDeRoute;
    Grille grille { { "" }, { Valeur.Texte(langue) }, { Rang.Texte(langue) } };
    for (const Legende& colonne : ColonnesResume)
        grille[0].push_back(colonne.Texte(langue));
    auto ajoute = [&](std::string valeur, std::string rang) {
        grille[1].push_back(std::move(valeur));
        grille[2].push_back(std::move(rang));
    };
    auto sansValeur = [&] { ajoute(SansValeur, SansValeur); };
    const bool joue = q && q->NbDonnes > 0;
    if (joue) {
        ajoute(std::to_string(q->TotalEncheres), TexteRang(q->RangEncheres, paires));
        ajoute(std::to_string(q->TotalJeuDeclarant), TexteRang(q->RangJeuDeclarant, paires));
        if (match)
            sansValeur();
        else
            ajoute(
                "- " + Arrondi(q->PerteDeclarant) + " %", TexteRang(q->RangPerteDeclarant, paires));
        ajoute(std::to_string(q->TotalJeuDefense), TexteRang(q->RangJeuDefense, paires));
        if (match)
            sansValeur();
        else
            ajoute("- " + Arrondi(q->PerteDefense) + " %", TexteRang(q->RangPerteDefense, paires));
        ajoute(std::to_string(q->TotalEntames), TexteRang(q->RangEntames, paires));
        ajoute(std::to_string(BilanOpportunite(*q)) + " [" + Aligne2(q->PlisGagnes) + "-"
                + Aligne2(q->PlisPerdus) + "]",
            TexteRang(q->RangOpportunite, paires));
        if (match)
            sansValeur();
        else
            ajoute(Arrondi(q->Chance) + " %", TexteRang(q->RangChance, paires));
    } else {
        for (int colonne = 1; colonne <= 8; ++colonne)
            sansValeur();
    }
    auto pourcent = [&](const std::optional<double>& valeur, int rang) {
        if (!valeur) return sansValeur();
        ajoute(FormatPourcent(*valeur) + " %", TexteRang(rang, paires));
    };
    if (!ligne) {
        for (int colonne = 9; colonne <= 11; ++colonne)
            sansValeur();
    } else if (match) {
        sansValeur();
        sansValeur();
        if (ligne->NbDonnes == 0)
            sansValeur();
        else
            ajoute(std::to_string(ligne->TotalIMP), TexteRang(ligne->RangTotal, paires));
    } else {
        pourcent(ValeurDeclarant(*ligne), ligne->RangDeclarant);
        pourcent(ValeurDefense(*ligne), ligne->RangDefense);
        pourcent(ValeurTotale(*ligne, tournoi), ligne->RangTotal);
    }
    return grille;
}

} // namespace

FeuilleDeRoute FaitFeuilleDeRoute(const Competition& competition, int numeroPaire,
    const std::vector<Tclassemt>& classement, const std::vector<Tqualite>& qualites,
    std::string_view langue)
{
    const Ttournoi& tournoi = competition.Tournoi;
    const bool match = EstMatchParEquipes(tournoi);
    FeuilleDeRoute feuille;
    feuille.NumeroPaire = numeroPaire;
    const int index = IndexDePaire(tournoi, numeroPaire);
    feuille.Lignes.emplace_back();
    if (index != 0)
        feuille.Lignes[0].TexteAdversaire
            = EtiquetteFeuille(tournoi.Paires[static_cast<std::size_t>(index)], langue);
    feuille.DrapeauxPar.push_back(0);

    for (int k = 1; k <= tournoi.NombreDonnes; ++k) {
        const board& donne = competition.Donnes[static_cast<std::size_t>(k)];
        for (int r = 1; r <= donne.NombreFeuilles; ++r) {
            const ResultsSheet& f = donne.Feuilles[static_cast<std::size_t>(r)];
            const bool ns = f.PaireNS == numeroPaire;
            if (!ns && f.PaireEO != numeroPaire) continue;
            route ligne;
            ligne.CodeVulnerabilite = 10 * donne.Vulnerable[Sud] + donne.Vulnerable[Ouest];
            ligne.Donne = k;
            ligne.LibellePar = LibellePar(donne);
            ligne.TexteContrat = TexteContrat(f);
            ligne.TexteScoreNS = std::to_string(f.ScoreNS);
            ligne.TexteScoreEO = std::to_string(f.ScoreEO);
            ligne.Pourcentage = match ? IMPDeLEquipe(donne, numeroPaire)
                                      : LitReel(ns ? f.PourcentNS : f.PourcentEO).value_or(0);
            ligne.Adversaire = ns ? f.PaireEO : f.PaireNS;
            const int adversaire = IndexDePaire(tournoi, ligne.Adversaire);
            if (adversaire != 0)
                ligne.TexteAdversaire = EtiquetteFeuille(
                    tournoi.Paires[static_cast<std::size_t>(adversaire)], langue);
            feuille.Camp = ns ? "NS" : "EO";
            feuille.Lignes.push_back(std::move(ligne));
            feuille.DrapeauxPar.push_back(EstLeContratPar(donne, f, langue) ? 1 : 0);
        }
    }
    feuille.Titre = LegendesFeuilleDeRoute::Titre.Texte(langue) + feuille.Camp + "  "
        + feuille.Lignes[0].TexteAdversaire;
    feuille.Donnes = GrilleDonnes(competition, feuille, langue);
    const Tqualite* q = index != 0 && static_cast<std::size_t>(index) < qualites.size()
        ? &qualites[static_cast<std::size_t>(index)]
        : nullptr;
    feuille.Resume = GrilleResume(tournoi, LigneDePaire(classement, numeroPaire), q, langue);
    return feuille;
}

} // namespace plio
