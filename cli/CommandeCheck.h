#pragma once

#include <CLI/CLI.hpp>

// `check FILE [--json]`: what opening a competition file gives, found on a copy.
void EnregistreCommandeCheck(CLI::App& app);
