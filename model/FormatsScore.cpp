// The fixed texts of percentages, score gaps and losses: two decimals after a decimal comma for
// stored percentages, truncated rather than rounded.
#include "model/LectureNombres.h"
#include "model/Score.h"

#include <cmath>

namespace plio {

namespace {

// Truncation toward zero of a scaled value. A product such as 0.29 x 100 comes out as
// 28.999999999999996 in binary floating point; a value that close to a whole number is that
// number, not the one below it.
long long Tronque(double valeur) {
    const double entier = std::round(valeur);
    if (std::abs(valeur - entier) < 1e-6) return static_cast<long long>(entier);
    return static_cast<long long>(std::trunc(valeur));
}

// Hundredths as "dd,dd", with at least two digits before the comma.
std::string AvecVirgule(long long centiemes) {
    std::string chiffres = std::to_string(std::llabs(centiemes));
    if (chiffres.size() < 4) chiffres.insert(0, 4 - chiffres.size(), '0');
    chiffres.insert(chiffres.size() - 2, 1, ',');
    return centiemes < 0 ? "-" + chiffres : chiffres;
}

} // namespace

std::string FormatPourcent(double x) {
    if (x == 0) return "0,00";
    return AvecVirgule(Tronque(x * 100));
}

std::string FormatFraction(double f) {
    if (f == 0) return "0,00";
    return AvecVirgule(Tronque(f * 10000));
}

std::string FormatPourcentEntier(std::string_view texte) {
    const int n = LitEntier(texte).value_or(0);
    if (n >= 100) return "100,00";
    if (n >= 10) return std::to_string(n) + ",00";
    if (n <= 0) return "00,00";
    return " " + std::to_string(n) + ",00";
}

std::string ArrondiPourcent(std::string_view texte) {
    const auto valeur = LitReel(texte);
    if (!valeur) return "0";
    // Halves go to the even neighbour, as the default rounding mode does.
    const double arrondi = std::nearbyint(*valeur);
    if (arrondi < 0 || arrondi > 100) return "0";
    return std::to_string(static_cast<int>(arrondi));
}

std::string FormatEcart(int mode, double x) {
    if (mode != 1) return std::to_string(Tronque(x));
    std::string chiffres = std::to_string(Tronque(x * 10));
    if (chiffres.size() == 1)
        chiffres.insert(0, 1, '0');
    else if (chiffres.size() == 2 && chiffres[0] == '-')
        chiffres.insert(1, 1, '0');
    chiffres.insert(chiffres.size() - 1, 1, ',');
    return chiffres + "%";
}

std::string FormatPerte(int mode, double x) {
    // A loss is never negative; a rounding residue below zero reads as no loss.
    x = std::max(x, 0.0);
    if (mode != 1) return "-" + std::to_string(Tronque(x));
    if (x == 0) return "0.0%";
    const long long dixiemes = Tronque(x * 10);
    if (dixiemes < 10) return "-0." + std::to_string(dixiemes) + "%";
    if (dixiemes < 100) {
        const std::string chiffres = std::to_string(dixiemes);
        return std::string("-") + chiffres[0] + "." + chiffres[1] + "%";
    }
    return "-" + std::to_string(Tronque(x)) + "%";
}

} // namespace plio
