// The command line of every program of the project, read one way: --help
// and --version answer on standard output, and anything the program does
// not know gets one line on standard error and the exit status 2.
#pragma once

#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace etero::cli {

struct Option {
    std::string name;  // "--script"
    std::string value; // what it takes ("FILE"), empty for a flag
    std::string help;  // one line for --help
};

struct Spec {
    std::string program; // "etero-gallery"
    std::string usage;   // what follows the name on the usage line: "[--script FILE] OUTDIR"
    std::string about;   // the help's text, after the usage line
    std::vector<Option> options;        // besides --help and --version
    std::vector<std::string> arguments; // names of the arguments, in order ("OUTDIR")
    std::size_t required = 0;           // how many of them must be given
};

struct Parsed {
    std::map<std::string, std::string> options; // given options, with their values
    std::vector<std::string> arguments;
    bool has(const std::string& option) const { return options.count(option) != 0; }
};

// The program's version, as the build knows it ("2.19").
const char* version();

// Reads argv. Returns the exit status the program ends with at once: 0 after
// --help or --version, 2 after a usage error (its one line written to err);
// nothing when the program goes on with `parsed`. "--" ends the options.
std::optional<int> parse(int argc, const char* const* argv, const Spec& spec, Parsed& parsed,
                         std::ostream& out, std::ostream& err);

// One line on err for a wrong argument the program finds itself; returns 2.
int usageError(const Spec& spec, const std::string& what, std::ostream& err);

} // namespace etero::cli
