// Dealing the 52 cards at random, the same way on every platform for a given generator state
// (std::shuffle's algorithm is the library's choice; files generated from a seed must not
// depend on it).
#pragma once

#include "model/VariablesGlobales.h"

#include <array>
#include <cstdint>
#include <random>

namespace plio {

using MainsDonne = std::array<std::array<std::uint16_t, 5>, 5>; // [seat][suit] holding masks

// Thirteen cards to each seat: the first thirteen of the shuffled pack to South, and so on.
MainsDonne DistribueAuHasard(std::mt19937& generateur);

} // namespace plio
