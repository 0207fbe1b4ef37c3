// plioscope-cli: the program's core from the command line, for scripting and batch work.
#include <CLI/CLI.hpp>

int main(int argc, char** argv)
{
    CLI::App app { "Plioscope command-line tool" };
    app.require_subcommand(1);
    CLI11_PARSE(app, argc, argv);
    return 0;
}
