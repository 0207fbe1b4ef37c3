// Competition ranks: 1 + the number of entries strictly better, so equal values share a rank and
// the next rank is skipped (1, 2, 2, 4). An entry without a value ranks after every entry that has
// one.
#pragma once

#include <optional>
#include <vector>

namespace plio {

enum class Sens { PlusGrandMeilleur, PlusPetitMeilleur };

// Values of the entries to compare (entries that take no part in the ranking are not listed);
// the result gives each entry's rank, in the same order.
std::vector<int> Rangs(const std::vector<std::optional<double>>& valeurs, Sens sens);

// True when a is strictly better than b (a value beats no value).
bool Meilleur(const std::optional<double>& a, const std::optional<double>& b, Sens sens);

} // namespace plio
