#include "model/Score.h"

#include "model/LectureNombres.h"
#include "model/Notation.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace plio {

namespace {

// Strain class of a strain letter: 1 minor, 2 major, 3 no trump; 0 for any other letter.
int ClasseDeLettre(char lettre, std::string_view langue) {
    const std::string_view lettres = langue == "anglais" ? "CDHSN" : "TKCPS";
    const auto position = lettres.find(lettre);
    if (position == std::string_view::npos) return 0;
    return static_cast<int>(position) / 2 + 1;
}

int ClasseDeStrain(int strain) {
    return strain == 5 ? 3 : (strain + 1) / 2;
}

// Signed number of tricks over (+) or under (-) the contract: "=", "+2", "2", "-3".
std::optional<int> EcartDuResultat(std::string_view resultat) {
    if (resultat == "=") return 0;
    return LitEntier(resultat);
}

bool CampVulnerable(std::string_view vulnerabilite, int camp) {
    return DrapeauxVulnerabilite(vulnerabilite)[camp == 0 ? Sud : Ouest] == 1;
}

// The director's percentage for one side of an adjusted line: asked again until it is a
// whole number from 0 to 100; a cancelled box keeps the default 0.
std::string DemandePourcentageAjuste(
    Dialogues& dialogues, std::string_view camp, std::string_view langue) {
    const bool francais = langue == "french";
    const std::string titre = francais ? "Marque ajustée" : "Adjusted mark";
    const std::string invite = std::string(
        francais ? "Entrez le pourcentage ajusté de " : "Enter the adjusted percentage of ")
                                   .append(camp);
    for (;;) {
        const std::optional<std::string> reponse = dialogues.Saisie(titre, invite, "0");
        if (!reponse) return FormatPourcentEntier("0");
        const auto valeur = LitEntier(*reponse);
        if (valeur && *valeur >= 0 && *valeur <= 100) return FormatPourcentEntier(*reponse);
    }
}

} // namespace

ScoreEtCamp ScoreFeuille(std::string_view contrat, std::string_view declarant,
    std::string_view resultat, const board& donne, std::string_view langue) {
    // Lines are validated before they are scored; anything else scores nothing rather than
    // reading outside the tables.
    if (contrat.size() < 2 || contrat[0] < '1' || contrat[0] > '7') return {};
    const int niveau = contrat[0] - '0';
    const int classe = ClasseDeLettre(contrat[1], langue);
    const auto ecart = EcartDuResultat(resultat);
    if (classe == 0 || !ecart || *ecart < -13 || *ecart > 13) return {};

    const int campDeclarant = declarant == "N" || declarant == "S" ? 0 : 1;
    const int colonne = DoublementContrat(contrat) + 1
        + (CampVulnerable(donne.Vulnerabilite, campDeclarant) ? 3 : 0);
    const TablesDeScore& tables = TablesScore();
    if (*ecart < 0) return { tables.ScoreChute[-*ecart][colonne], 1 - campDeclarant };
    return { tables.ScoreSurlevee[classe][colonne] * *ecart
            + tables.ScoreDemande[niveau][classe][colonne],
        campDeclarant };
}

int ScoreContratAnalyse(int surOuSous, int strain, int decalageVulnerable, int niveau) {
    if (strain < 1 || strain > 5 || niveau < 1 || niveau > 7 || surOuSous < -13
        || (decalageVulnerable != 0 && decalageVulnerable != 3))
        return 0;
    const int classe = ClasseDeStrain(strain);
    const int colonne = decalageVulnerable + 1;
    const TablesDeScore& tables = TablesScore();
    if (surOuSous < 0) return -tables.ScoreChute[-surOuSous][colonne + 1];
    return tables.ScoreDemande[niveau][classe][colonne]
        + surOuSous * tables.ScoreSurlevee[classe][colonne];
}

void CalculeScoresContrats(board& donne, int declarant, int strain) {
    if (declarant < 1 || declarant > 4 || strain < 1 || strain > 5) return;
    const int camp = declarant % 2 == 1 ? 0 : 1;
    const int decalage = CampVulnerable(donne.Vulnerabilite, camp) ? 3 : 0;
    const int plis = donne.Plis[declarant][strain];
    for (int niveau = 1; niveau <= 7; ++niveau) {
        const int score = ScoreContratAnalyse(plis - niveau - 6, strain, decalage, niveau);
        donne.ScoreContrat[declarant][strain][niveau] = score;
        donne.ScoreContratParPalier[declarant][niveau][strain] = score;
    }
}

int ConvertitIMP(int ecart) {
    // Lower bound of each IMP step of the WBF scale, in tens of points.
    static constexpr std::array<int, 24> Paliers { 2, 5, 9, 13, 17, 22, 27, 32, 37, 43, 50, 60, 75,
        90, 110, 130, 150, 175, 200, 225, 250, 300, 350, 400 };
    const int dizaines = std::abs(ecart) / 10;
    const int imp = static_cast<int>(
        std::upper_bound(Paliers.begin(), Paliers.end(), dizaines) - Paliers.begin());
    return ecart < 0 ? -imp : imp;
}

void ResultatMatch(board& donne) {
    if (donne.Feuilles.size() < 3) {
        donne.ResultatIMP = 0;
        return;
    }
    const ResultsSheet& salle1 = donne.Feuilles[1];
    const ResultsSheet& salle2 = donne.Feuilles[2];
    donne.ResultatIMP
        = ConvertitIMP((salle1.ScoreNS + salle2.ScoreEO) - (salle1.ScoreEO + salle2.ScoreNS));
}

void CalculePourcentages(board& donne, int n, Dialogues& dialogues, std::string_view langue) {
    n = std::min(n, static_cast<int>(donne.Feuilles.size()) - 1);
    if (n < 1) return;

    // Lines are compared on their North-South value; an adjusted line is compared with nothing.
    std::vector<int> valeurs(static_cast<std::size_t>(n) + 1, 0);
    std::vector<bool> ajustee(static_cast<std::size_t>(n) + 1, false);
    int notees = 0;
    for (int i = 1; i <= n; ++i) {
        const ResultsSheet& feuille = donne.Feuilles[i];
        if (feuille.Contrat == "A") {
            ajustee[i] = true;
        } else {
            valeurs[i] = feuille.ScoreNS >= 1 ? feuille.ScoreNS : -feuille.ScoreEO;
            ++notees;
        }
    }

    if (n == 1 || notees == 1) {
        // Nobody to compare with: an average, which the director can still adjust.
        for (int i = 1; i <= n; ++i) {
            if (ajustee[i] && n > 1) continue;
            donne.Feuilles[i].PourcentNS = "50,00";
            donne.Feuilles[i].PourcentEO = "50,00";
        }
    } else if (notees > 1) {
        const double comparaisons = notees - 1;
        for (int i = 1; i <= n; ++i) {
            double points = 0;
            for (int j = 1; j <= n && !ajustee[i]; ++j) {
                if (j == i || ajustee[j]) continue;
                if (valeurs[j] < valeurs[i])
                    points += 1;
                else if (valeurs[j] == valeurs[i])
                    points += 0.5;
            }
            donne.Feuilles[i].PourcentNS = FormatFraction(points / comparaisons);
            donne.Feuilles[i].PourcentEO = FormatFraction((notees - points - 1) / comparaisons);
        }
    }

    for (int i = 1; i <= n; ++i) {
        if (!ajustee[i]) continue;
        donne.Feuilles[i].PourcentNS = DemandePourcentageAjuste(dialogues, "NS", langue);
        donne.Feuilles[i].PourcentEO = DemandePourcentageAjuste(dialogues, "EO", langue);
    }
}

} // namespace plio
