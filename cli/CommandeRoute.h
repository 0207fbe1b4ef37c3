#pragma once

#include <CLI/CLI.hpp>

// `route FILE PAIR`: the route sheet of one pair of an analysed competition.
void EnregistreCommandeRoute(CLI::App& app);
