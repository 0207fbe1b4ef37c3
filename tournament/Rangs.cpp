#include "tournament/Rangs.h"

#include <cmath>

namespace plio {

namespace {
// Averages are sums of two-decimal percentages divided by counts: values that print the same
// must rank the same, whatever the rounding of the divisions.
constexpr double Tolerance = 1e-9;
} // namespace

bool Meilleur(const std::optional<double>& a, const std::optional<double>& b, Sens sens)
{
    if (!a) return false;
    if (!b) return true;
    const double ecart = sens == Sens::PlusGrandMeilleur ? *a - *b : *b - *a;
    return ecart > Tolerance;
}

std::vector<int> Rangs(const std::vector<std::optional<double>>& valeurs, Sens sens)
{
    std::vector<int> rangs(valeurs.size(), 1);
    for (std::size_t p = 0; p < valeurs.size(); ++p)
        for (std::size_t q = 0; q < valeurs.size(); ++q)
            if (q != p && Meilleur(valeurs[q], valeurs[p], sens)) ++rangs[p];
    return rangs;
}

} // namespace plio
