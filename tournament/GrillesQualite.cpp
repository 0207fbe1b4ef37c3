#include "tournament/GrillesQualite.h"

#include "model/Notation.h"
#include "model/Score.h"
#include "tournament/Classement.h"
#include "tournament/LegendesTournoi.h"

#include <algorithm>
#include <functional>

namespace plio {

namespace {

using Cellule = std::function<std::string(const Tqualite&)>;
using CelluleDonne = std::function<std::string(const TDonneQualite&)>;

// One row of a pair in a grid: its figure over the competition, then one per deal.
struct Rangee {
    Cellule total;
    CelluleDonne parDonne;
};

struct Aspect {
    std::string titre;
    std::int32_t Tqualite::*rang;
    std::vector<Rangee> rangees;
};

std::string Entier(int n)
{
    return std::to_string(n);
}

// Figures of a pair that played no deal do not exist.
Cellule SiJouee(Cellule cellule)
{
    return [cellule](const Tqualite& q) {
        return q.NbDonnes == 0 ? std::string(SansValeur) : cellule(q);
    };
}

std::string TexteOpportunite(const Tqualite& q)
{
    return Entier(BilanOpportunite(q)) + " [" + Aligne2(q.PlisGagnes) + "-" + Aligne2(q.PlisPerdus)
        + "]";
}

std::string OpportuniteDonne(const TDonneQualite& d)
{
    return d.Opportunite < 100 ? Entier(-d.Opportunite) : Entier(d.Opportunite / 100);
}

std::vector<Aspect> Aspects(bool match, std::string_view langue)
{
    using LegendesQualite::Titres;
    std::vector<Aspect> aspects;
    aspects.push_back({ Titres[0].Texte(langue), &Tqualite::RangEncheres,
        { { SiJouee([](const Tqualite& q) { return Entier(q.TotalEncheres); }),
            [](const TDonneQualite& d) { return Entier(d.Encheres); } } } });
    aspects.push_back({ Titres[1].Texte(langue), &Tqualite::RangJeuDeclarant,
        { { SiJouee([](const Tqualite& q) { return Entier(q.TotalJeuDeclarant); }),
            [](const TDonneQualite& d) { return Entier(d.JeuDeclarant); } } } });
    aspects.push_back({ Titres[2].Texte(langue), &Tqualite::RangJeuDefense,
        { { SiJouee([](const Tqualite& q) { return Entier(q.TotalJeuDefense); }),
            [](const TDonneQualite& d) { return Entier(d.JeuDefense); } } } });
    if (!match) {
        aspects[1].rangees.push_back(
            { SiJouee([](const Tqualite& q) { return FormatPerte(1, q.PerteDeclarant); }),
                [](const TDonneQualite& d) { return FormatPerte(2, d.PerteDeclarant); } });
        aspects[2].rangees.push_back(
            { SiJouee([](const Tqualite& q) { return FormatPerte(1, q.PerteDefense); }),
                [](const TDonneQualite& d) { return FormatPerte(2, d.PerteDefense); } });
    }
    aspects.push_back({ Titres[3].Texte(langue), &Tqualite::RangEntames,
        { { SiJouee([](const Tqualite& q) { return Entier(q.TotalEntames); }),
            [](const TDonneQualite& d) { return Entier(d.QualiteEntame); } } } });
    aspects.push_back({ Titres[4].Texte(langue), &Tqualite::RangOpportunite,
        { { SiJouee(TexteOpportunite), OpportuniteDonne } } });
    if (!match)
        aspects.push_back({ Titres[5].Texte(langue), &Tqualite::RangChance,
            { { SiJouee([](const Tqualite& q) { return FormatEcart(1, q.Chance); }),
                [](const TDonneQualite& d) { return FormatEcart(2, d.Chance); } } } });
    return aspects;
}

GrilleQualite Remplit(
    const Aspect& aspect, const Ttournoi& tournoi, const std::vector<Tqualite>& qualites)
{
    GrilleQualite grille { aspect.titre, {}, { 0 } };
    std::vector<std::string> entete { "N°", "R ", "T " };
    for (int k = 1; k <= tournoi.NombreDonnes; ++k)
        entete.push_back(Entier(k));
    grille.Cellules.push_back(std::move(entete));

    std::vector<std::size_t> ordre;
    for (std::size_t p = 1; p < qualites.size() && p < tournoi.Paires.size(); ++p)
        if (tournoi.Paires[p].Numero != 0) ordre.push_back(p);
    std::stable_sort(ordre.begin(), ordre.end(), [&](std::size_t a, std::size_t b) {
        return qualites[a].*aspect.rang < qualites[b].*aspect.rang;
    });

    for (std::size_t p : ordre) {
        const Tqualite& q = qualites[p];
        for (std::size_t r = 0; r < aspect.rangees.size(); ++r) {
            const Rangee& rangee = aspect.rangees[r];
            std::vector<std::string> cellules { Entier(q.NumeroPaire),
                r == 0 ? Entier(q.*aspect.rang) : std::string(), rangee.total(q) };
            for (int k = 1; k <= tournoi.NombreDonnes; ++k)
                cellules.push_back(rangee.parDonne(q.ParDonne.at(static_cast<std::size_t>(k))));
            grille.Cellules.push_back(std::move(cellules));
            grille.PaireDeRangee.push_back(q.NumeroPaire);
        }
    }
    return grille;
}

} // namespace

std::vector<GrilleQualite> GrillesQualite(
    const Ttournoi& tournoi, const std::vector<Tqualite>& qualites, std::string_view langue)
{
    std::vector<GrilleQualite> grilles;
    for (const Aspect& aspect : Aspects(EstMatchParEquipes(tournoi), langue))
        grilles.push_back(Remplit(aspect, tournoi, qualites));
    return grilles;
}

} // namespace plio
