#pragma once

#include <CLI/CLI.hpp>

// `bench`: a fixed set of solves whose total node count signs the search's behaviour.
void EnregistreCommandeBench(CLI::App& app);
