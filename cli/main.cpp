// plioscope-cli: the program's core from the command line, for scripting and batch work.
#include "cli/CommandeScore.h"

#include <CLI/CLI.hpp>

int main(int argc, char** argv)
{
    CLI::App app { "Plioscope command-line tool" };
    app.require_subcommand(1);
    EnregistreCommandeScore(app);
    CLI11_PARSE(app, argc, argv);
    return 0;
}
