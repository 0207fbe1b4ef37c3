#pragma once

#include <CLI/CLI.hpp>

// `analyse FILE [--jobs N]`: the analysis of a competition file, written back to it.
void EnregistreCommandeAnalyse(CLI::App& app);
