#pragma once

#include <CLI/CLI.hpp>

// `rank FILE`: the ranking of the pairs (or teams) of an analysed competition.
void EnregistreCommandeRank(CLI::App& app);
