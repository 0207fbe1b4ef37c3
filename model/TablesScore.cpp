// The duplicate score tables, derived from the scoring rules of the Laws rather than typed in.
#include "model/Score.h"

namespace plio {

namespace {

enum ClasseStrain { Mineure = 1, Majeure = 2, SansAtout = 3 };

int Doublement(int colonne) {
    return (colonne - 1) % 3;
}
bool Vulnerable(int colonne) {
    return colonne > 3;
}

int ValeurLevees(int niveau, int classe, int doublement) {
    int valeur = 0;
    switch (classe) {
    case Mineure:
        valeur = 20 * niveau;
        break;
    case Majeure:
        valeur = 30 * niveau;
        break;
    default:
        valeur = 40 + 30 * (niveau - 1);
        break;
    }
    return valeur << doublement; // x2 doubled, x4 redoubled
}

int ScoreContratRempli(int niveau, int classe, int colonne) {
    const int doublement = Doublement(colonne);
    const bool vulnerable = Vulnerable(colonne);
    const int levees = ValeurLevees(niveau, classe, doublement);
    int score = levees;
    if (levees >= 100)
        score += vulnerable ? 500 : 300;
    else
        score += 50;
    if (niveau == 6) score += vulnerable ? 750 : 500;
    if (niveau == 7) score += vulnerable ? 1500 : 1000;
    score += 50 * doublement;
    return score;
}

int ValeurSurlevee(int classe, int colonne) {
    const int doublement = Doublement(colonne);
    if (doublement == 0) return classe == Mineure ? 20 : 30;
    return (Vulnerable(colonne) ? 200 : 100) * doublement;
}

int Penalite(int chute, int colonne) {
    const int doublement = Doublement(colonne);
    if (doublement == 0) return (Vulnerable(colonne) ? 100 : 50) * chute;
    int contre = 0;
    if (Vulnerable(colonne))
        contre = 200 + 300 * (chute - 1);
    else
        contre = chute <= 3 ? 200 * chute - 100 : 500 + 300 * (chute - 3);
    return contre * doublement;
}

} // namespace

const TablesDeScore& TablesScore() {
    static const TablesDeScore tables = [] {
        TablesDeScore t;
        for (int colonne = 1; colonne <= 6; ++colonne) {
            for (int classe = Mineure; classe <= SansAtout; ++classe) {
                for (int niveau = 1; niveau <= 7; ++niveau)
                    t.ScoreDemande[niveau][classe][colonne]
                        = static_cast<std::uint16_t>(ScoreContratRempli(niveau, classe, colonne));
                t.ScoreSurlevee[classe][colonne]
                    = static_cast<std::uint16_t>(ValeurSurlevee(classe, colonne));
            }
            for (int chute = 1; chute <= 13; ++chute)
                t.ScoreChute[chute][colonne] = static_cast<std::uint16_t>(Penalite(chute, colonne));
        }
        return t;
    }();
    return tables;
}

} // namespace plio
