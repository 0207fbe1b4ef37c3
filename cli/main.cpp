// plioscope-cli: the program's core from the command line, for scripting and batch work.
#include "cli/CommandeAnalyse.h"
#include "cli/CommandeBench.h"
#include "cli/CommandeCheck.h"
#include "cli/CommandeNormalise.h"
#include "cli/CommandeScore.h"
#include "cli/CommandeSolve.h"

#include <CLI/CLI.hpp>

int main(int argc, char** argv) {
    CLI::App app { "Plioscope command-line tool" };
    app.require_subcommand(1);
    EnregistreCommandeScore(app);
    EnregistreCommandeCheck(app);
    EnregistreCommandeNormalise(app);
    EnregistreCommandeSolve(app);
    EnregistreCommandeBench(app);
    EnregistreCommandeAnalyse(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::RuntimeError& e) {
        return app.exit(e); // a command's own exit code
    } catch (const CLI::ParseError& e) {
        // Wrong usage is exit code 2 for every command, whatever CLI11 would number it.
        return app.exit(e) == 0 ? 0 : 2;
    }
    return 0;
}
