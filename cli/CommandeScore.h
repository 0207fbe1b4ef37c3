#pragma once

#include <CLI/CLI.hpp>

// `score CONTRACT DECLARER RESULT VULNERABILITY`: what one table's result scores.
void EnregistreCommandeScore(CLI::App& app);
