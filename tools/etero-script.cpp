// etero-script [FILE]: runs the program headless from a script (FILE or
// standard input) and writes what happens as JSON Lines on standard output.
#include "shell/script/script.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (argc > 2) {
        std::cerr << "usage: etero-script [FILE]\n";
        return 2;
    }
    etero::ScriptRunner runner(std::cout);
    if (argc == 2) {
        std::ifstream file(argv[1]);
        if (!file) {
            std::cerr << "etero-script: cannot read " << argv[1] << "\n";
            return 2;
        }
        return runner.run(file);
    }
    return runner.run(std::cin);
}
