#pragma once

#include <CLI/CLI.hpp>

// `normalise FILE`: what opening a competition file does to it.
void EnregistreCommandeNormalise(CLI::App& app);
