// etero-script [FILE]: runs the program headless from a script (FILE or
// standard input) and writes what happens as JSON Lines on standard output.
#include "shell/cli/cli.h"
#include "shell/script/script.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const etero::cli::Spec spec{
        "etero-script",
        "[FILE]",
        "Runs ETEROMETRO without a display, from the script FILE (standard input when\n"
        "no FILE is given), and writes what happens as JSON Lines on standard output.\n"
        "The commands, the events and their keys are described in docs/script.md.\n"
        "Exit status: 0, or 2 when a line of the script could not be carried out,\n"
        "FILE cannot be read or the command line is wrong.",
        {},
        {"FILE"},
        0};
    etero::cli::Parsed args;
    if (const auto status = etero::cli::parse(argc, argv, spec, args, std::cout, std::cerr))
        return *status;
    std::ifstream file;
    if (!args.arguments.empty()) {
        file.open(args.arguments[0]);
        if (!file) {
            std::cerr << "etero-script: cannot read " << args.arguments[0] << "\n";
            return 2;
        }
    }
    etero::ScriptRunner runner(std::cout);
    return runner.run(args.arguments.empty() ? std::cin : file);
}
