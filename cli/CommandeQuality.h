#pragma once

#include <CLI/CLI.hpp>

// `quality FILE [--pair N]`: the six quality-of-play tables of an analysed competition.
void EnregistreCommandeQuality(CLI::App& app);
