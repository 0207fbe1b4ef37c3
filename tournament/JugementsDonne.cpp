// The six judgements of a pair on one deal.
#include "model/LectureNombres.h"
#include "model/Notation.h"
#include "model/Score.h"
#include "tournament/Qualite.h"

namespace plio {

namespace {

// What happened at the pair's table, in the terms the judgements use.
struct FaitsDonne {
    int declarant = 0; // seat; 0 when nobody declared (passed out, adjusted)
    int doublement = 0;
    int code = 0;
    int niveau = 0;
    int strain = 0;
    int demandees = 0; // n: tricks the contract needs
    int realisees = 0; // m: tricks made
    int doubleMort = 0; // D: double-dummy tricks of the declarer in the strain
    bool aDeclare = false;
    bool pairNS = false; // the pair sat North-South
};

std::optional<FaitsDonne> LitFaits(
    const board& donne, const ResultsSheet& feuille, int numeroPaire, std::string_view langue)
{
    if (feuille.Declarant.size() != 1) return std::nullopt;
    FaitsDonne f;
    f.declarant = NumeroJoueur(feuille.Declarant[0], langue);
    if (f.declarant == 0) return std::nullopt;
    f.doublement = DoublementContrat(feuille.Contrat);
    f.code = CodeContrat(feuille.Contrat, langue);
    f.niveau = (f.code - 1) / 5 + 1;
    f.strain = f.code % 5 == 0 ? 5 : f.code % 5;
    f.demandees = f.niveau + 6;
    const std::optional<int> ecart
        = feuille.Resultat == "=" ? std::optional<int>(0) : LitEntier(feuille.Resultat);
    if (!ecart) return std::nullopt;
    f.realisees = f.demandees + *ecart;
    f.doubleMort
        = donne.Plis[static_cast<std::size_t>(f.declarant)][static_cast<std::size_t>(f.strain)];
    f.pairNS = feuille.PaireNS == numeroPaire;
    f.aDeclare = (f.declarant % 2 == 1) == f.pairNS;
    return f;
}

// The side's score at a table, positive when it scored.
int ScoreDuCamp(const ResultsSheet& feuille, bool campNS)
{
    if (campNS) return feuille.ScoreNS >= 1 ? feuille.ScoreNS : -feuille.ScoreEO;
    return feuille.ScoreEO >= 1 ? feuille.ScoreEO : -feuille.ScoreNS;
}

// Could the side x-y have scored more than `propre` in some higher contract?
bool MieuxPossible(const board& donne, int codeJoue, int propre, int x, int y)
{
    for (int v = codeJoue + 1; v <= 35; ++v) {
        const auto niveau = static_cast<std::size_t>((v - 1) / 5 + 1);
        const auto strain = static_cast<std::size_t>((v - 1) % 5 + 1);
        if (propre < donne.ScoreContratParPalier[static_cast<std::size_t>(x)][niveau][strain]
            || propre < donne.ScoreContratParPalier[static_cast<std::size_t>(y)][niveau][strain])
            return true;
    }
    return false;
}

int JugeEncheres(const board& donne, const ResultsSheet& feuille, const FaitsDonne& f)
{
    if (f.aDeclare && f.code > donne.ContratPar) return -1;
    const int propre = ScoreDuCamp(feuille, f.pairNS);
    const bool nordSudDeclare = f.declarant % 2 == 1;
    bool faute;
    if (f.aDeclare)
        faute = nordSudDeclare ? MieuxPossible(donne, f.code, propre, Sud, Nord)
                               : MieuxPossible(donne, f.code, propre, Ouest, Est);
    else if (nordSudDeclare)
        // East-West beat the contract without doubling it.
        faute = (propre > 0 && !feuille.Contrat.ends_with('X'))
            || MieuxPossible(donne, f.code, propre, Ouest, Est);
    else
        faute = MieuxPossible(donne, f.code, propre, Sud, Nord);
    return faute ? -1 : 0;
}

// Score of the declaring side with D tricks in the contract played, doubling and
// vulnerability kept.
int ScoreAvecDoubleMort(const board& donne, const FaitsDonne& f)
{
    const TablesDeScore& tables = TablesScore();
    const int classe = f.strain <= 2 ? 1 : f.strain <= 4 ? 2 : 3;
    const auto colonne = static_cast<std::size_t>(
        f.doublement + 1 + 3 * donne.Vulnerable[static_cast<std::size_t>(f.declarant)]);
    if (f.doubleMort >= f.demandees)
        return (f.doubleMort - f.demandees)
            * tables.ScoreSurlevee[static_cast<std::size_t>(classe)][colonne]
            + tables.ScoreDemande[static_cast<std::size_t>(f.niveau)]
                                 [static_cast<std::size_t>(classe)][colonne];
    return -tables.ScoreChute[static_cast<std::size_t>(f.demandees - f.doubleMort)][colonne];
}

// The percentage the pair would have had with the double-dummy result, minus the one it
// had. Adjusted tables were not matchpointed, so they are not compared either; with no other
// table to compare with there is nothing conceded.
double PourcentageConcede(
    const board& donne, const ResultsSheet& feuille, const FaitsDonne& f, double pourcentPropre)
{
    int hypothese = ScoreAvecDoubleMort(donne, f);
    if (!f.aDeclare) hypothese = -hypothese;
    double h = 0;
    int comparees = 0;
    for (int i = 1; i <= donne.NombreFeuilles; ++i) {
        const ResultsSheet& autre = donne.Feuilles[static_cast<std::size_t>(i)];
        if (&autre == &feuille || autre.Contrat == "A") continue;
        ++comparees;
        const int score = f.pairNS ? (autre.ScoreNS != 0 ? autre.ScoreNS : -autre.ScoreEO)
                                   : (autre.ScoreEO != 0 ? autre.ScoreEO : -autre.ScoreNS);
        if (score < hypothese)
            h += 1;
        else if (score == hypothese)
            h += 0.5;
    }
    if (comparees == 0) return 0;
    return h * 100 / comparees - pourcentPropre;
}

// A lead that cannot be read in the interface's letters is not judged.
int JugeEntame(
    const board& donne, const ResultsSheet& feuille, const FaitsDonne& f, std::string_view langue)
{
    if (feuille.Entame.size() < 2) return 0;
    const int rang = ValeurRang(feuille.Entame.front());
    const int couleur = NumeroCouleur(feuille.Entame.back(), langue);
    if (rang < 0 || couleur == 0) return 0;
    const int entameur = Suivant[static_cast<std::size_t>(f.declarant)];
    const int masque = donne.EntamesCorrectes[static_cast<std::size_t>(
        entameur)][static_cast<std::size_t>(f.strain)][static_cast<std::size_t>(couleur)];
    return (masque & MasqueRang[static_cast<std::size_t>(rang)]) != 0 ? 0 : -1;
}

} // namespace

TDonneQualite JugeDonne(const board& donne, const ResultsSheet& feuille, int numeroPaire,
    bool matchParEquipes, std::string_view langue)
{
    TDonneQualite q;
    const std::optional<FaitsDonne> faits = LitFaits(donne, feuille, numeroPaire, langue);
    if (!faits) return q;
    const FaitsDonne& f = *faits;
    const int m = f.realisees;
    const int d = f.doubleMort;
    const double pourcent = LitReel(f.pairNS ? feuille.PourcentNS : feuille.PourcentEO).value_or(0);

    q.Encheres = JugeEncheres(donne, feuille, f);
    if (f.aDeclare) {
        if (m < d) {
            q.JeuDeclarant = m - d;
            if (!matchParEquipes)
                q.PerteDeclarant = PourcentageConcede(donne, feuille, f, pourcent);
        }
        q.Opportunite = m > d ? 100 * (m - d) : d - m;
    } else {
        if (m > d) {
            q.JeuDefense = d - m;
            if (!matchParEquipes) q.PerteDefense = PourcentageConcede(donne, feuille, f, pourcent);
        }
        q.QualiteEntame = JugeEntame(donne, feuille, f, langue);
        q.Opportunite = m < d ? 100 * (d - m) : m - d;
    }
    if (!matchParEquipes && m == f.demandees && d == f.demandees && q.Encheres == 0)
        q.Chance = pourcent - 50;
    return q;
}

} // namespace plio
