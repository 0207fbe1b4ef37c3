#include "tournament/GrilleClassement.h"

#include "model/Score.h"
#include "tournament/LegendesTournoi.h"
#include "tournament/NomAffiche.h"

namespace plio {

namespace {

std::string TextePourcent(const std::optional<double>& valeur)
{
    return valeur ? FormatPourcent(*valeur) : SansValeur;
}

std::vector<std::string> Entetes(bool match, std::string_view langue)
{
    using namespace LegendesClassement;
    std::vector<std::string> entetes;
    for (const Legende& colonne : Colonnes)
        entetes.push_back(colonne.Texte(langue));
    if (match) entetes = { entetes[0], entetes[1], IMP.Texte(langue) };
    return entetes;
}

} // namespace

std::optional<double> ScoreIdeal(const Tclassemt& ligne, const Tqualite& qualite)
{
    if (ligne.NbDonnes == 0 || qualite.NbDonnes == 0) return std::nullopt;
    return ligne.MoyenneTotale + qualite.PerteDeclarant + qualite.PerteDefense - qualite.Chance;
}

Grille GrilleClassement(const Ttournoi& tournoi, const std::vector<Tclassemt>& lignes,
    const std::vector<Tqualite>& qualites, std::string_view langue)
{
    const bool match = EstMatchParEquipes(tournoi);
    Grille grille { Entetes(match, langue) };
    int position = 0;
    for (std::size_t i = 1; i < lignes.size(); ++i) {
        const Tclassemt& ligne = lignes[i];
        const int p = IndexDePaire(tournoi, ligne.NumeroPaire);
        if (p == 0) continue; // an unused slot is no pair
        std::vector<std::string> rangee { std::to_string(++position),
            EtiquettePaire(tournoi.Paires[static_cast<std::size_t>(p)], "  ", "  ", langue) };
        if (match) {
            rangee.push_back(ligne.NbDonnes == 0 ? SansValeur : std::to_string(ligne.TotalIMP));
        } else {
            const Tqualite& q = qualites.at(static_cast<std::size_t>(p));
            rangee.push_back(TextePourcent(ValeurTotale(ligne, tournoi)));
            rangee.push_back(TextePourcent(ValeurDeclarant(ligne)));
            rangee.push_back(TextePourcent(ValeurDefense(ligne)));
            rangee.push_back(TextePourcent(ValeurSiJouee(q, q.PerteDeclarant)));
            rangee.push_back(TextePourcent(ValeurSiJouee(q, q.PerteDefense)));
            rangee.push_back(TextePourcent(ValeurSiJouee(q, q.Chance)));
            rangee.push_back(TextePourcent(ScoreIdeal(ligne, q)));
        }
        grille.push_back(std::move(rangee));
    }
    return grille;
}

} // namespace plio
