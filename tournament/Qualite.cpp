#include "tournament/Qualite.h"

#include "tournament/Classement.h"
#include "tournament/Rangs.h"

namespace plio {

int BilanOpportunite(const Tqualite& qualite)
{
    return qualite.PlisGagnes - qualite.PlisPerdus;
}

std::optional<double> ValeurSiJouee(const Tqualite& qualite, double valeur)
{
    if (qualite.NbDonnes == 0) return std::nullopt;
    return valeur;
}

namespace {

const ResultsSheet* FeuilleDeLaPaire(const board& donne, int numeroPaire)
{
    for (int l = 1; l <= donne.NombreFeuilles; ++l) {
        const ResultsSheet& f = donne.Feuilles[static_cast<std::size_t>(l)];
        if (f.PaireNS == numeroPaire || f.PaireEO == numeroPaire) return &f;
    }
    return nullptr;
}

bool AJoue(const Tpaires& paire, int k)
{
    const auto i = static_cast<std::size_t>(k);
    return i < paire.DonnesJouees.size() && paire.DonnesJouees[i] != 0;
}

void Additionne(Tqualite& q, const TDonneQualite& donne)
{
    q.TotalEncheres += donne.Encheres;
    q.TotalJeuDeclarant += donne.JeuDeclarant;
    q.TotalJeuDefense += donne.JeuDefense;
    q.TotalEntames += donne.QualiteEntame;
    q.TotalOpportunite += donne.Opportunite;
    // One deal holds either tricks gained (hundreds) or tricks lost (at most 13).
    if (donne.Opportunite >= 100)
        q.PlisGagnes += donne.Opportunite / 100;
    else
        q.PlisPerdus += donne.Opportunite;
    q.Chance += donne.Chance;
    q.PerteDeclarant += donne.PerteDeclarant;
    q.PerteDefense += donne.PerteDefense;
}

Tqualite QualiteDeLaPaire(
    const Competition& competition, const Tpaires& paire, std::string_view langue)
{
    const Ttournoi& tournoi = competition.Tournoi;
    Tqualite q;
    q.NumeroPaire = paire.Numero;
    q.ParDonne.resize(static_cast<std::size_t>(tournoi.NombreDonnes + 1));
    if (paire.Numero == 0) return q;
    for (int k = 1; k <= tournoi.NombreDonnes; ++k) {
        const board& donne = competition.Donnes[static_cast<std::size_t>(k)];
        if (!AJoue(paire, k) || !donne.FeuillesValides) continue;
        const ResultsSheet* feuille = FeuilleDeLaPaire(donne, paire.Numero);
        if (!feuille) continue;
        ++q.NbDonnes;
        TDonneQualite& figures = q.ParDonne[static_cast<std::size_t>(k)];
        figures = JugeDonne(donne, *feuille, paire.Numero, EstMatchParEquipes(tournoi), langue);
        Additionne(q, figures);
    }
    if (q.NbDonnes > 0) {
        q.Chance /= q.NbDonnes;
        q.PerteDeclarant /= q.NbDonnes;
        q.PerteDefense /= q.NbDonnes;
    }
    return q;
}

// Ranks every pair in use on one figure; a pair that played nothing has no figure.
template <typename Valeur, typename Rang>
void Classe(std::vector<Tqualite>& qualites, const std::vector<std::size_t>& classees,
    Valeur valeur, Rang rang, Sens sens)
{
    std::vector<std::optional<double>> valeurs;
    for (std::size_t p : classees)
        valeurs.push_back(ValeurSiJouee(qualites[p], valeur(qualites[p])));
    const std::vector<int> rangs = Rangs(valeurs, sens);
    for (std::size_t i = 0; i < classees.size(); ++i)
        qualites[classees[i]].*rang = rangs[i];
}

} // namespace

std::vector<Tqualite> FaitQualiteDuJeu(const Competition& competition, std::string_view langue)
{
    const Ttournoi& tournoi = competition.Tournoi;
    std::vector<Tqualite> qualites(tournoi.Paires.size());
    std::vector<std::size_t> classees;
    for (std::size_t p = 0; p < tournoi.Paires.size(); ++p) {
        qualites[p]
            = QualiteDeLaPaire(competition, p == 0 ? Tpaires {} : tournoi.Paires[p], langue);
        if (p > 0 && tournoi.Paires[p].Numero != 0) classees.push_back(p);
    }
    const auto haut = Sens::PlusGrandMeilleur;
    const auto bas = Sens::PlusPetitMeilleur;
    Classe(
        qualites, classees, [](const Tqualite& q) { return q.TotalEncheres; },
        &Tqualite::RangEncheres, haut);
    Classe(
        qualites, classees, [](const Tqualite& q) { return q.TotalJeuDeclarant; },
        &Tqualite::RangJeuDeclarant, haut);
    Classe(
        qualites, classees, [](const Tqualite& q) { return q.TotalJeuDefense; },
        &Tqualite::RangJeuDefense, haut);
    Classe(
        qualites, classees, [](const Tqualite& q) { return q.TotalEntames; },
        &Tqualite::RangEntames, haut);
    Classe(
        qualites, classees, [](const Tqualite& q) { return BilanOpportunite(q); },
        &Tqualite::RangOpportunite, haut);
    Classe(
        qualites, classees, [](const Tqualite& q) { return q.Chance; }, &Tqualite::RangChance,
        haut);
    Classe(
        qualites, classees, [](const Tqualite& q) { return q.PerteDeclarant; },
        &Tqualite::RangPerteDeclarant, bas);
    Classe(
        qualites, classees, [](const Tqualite& q) { return q.PerteDefense; },
        &Tqualite::RangPerteDefense, bas);
    return qualites;
}

} // namespace plio
