#pragma once

#include <CLI/CLI.hpp>

// `solve DEAL [--leads] [--json]`: the double-dummy analysis of one deal.
void EnregistreCommandeSolve(CLI::App& app);
