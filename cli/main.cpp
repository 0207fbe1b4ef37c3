// plioscope-cli: the program's core from the command line, for scripting and batch work.
#include <CLI/CLI.hpp>

void EnregistreCommandeCheck(CLI::App& app);
void EnregistreCommandeNormalise(CLI::App& app);

int main(int argc, char** argv) {
    CLI::App app { "Plioscope command-line tool" };
    app.require_subcommand(1);
    EnregistreCommandeCheck(app);
    EnregistreCommandeNormalise(app);
    CLI11_PARSE(app, argc, argv);
    return 0;
}
