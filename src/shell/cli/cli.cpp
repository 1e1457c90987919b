#include "cli.h"

#include <algorithm>
#include <ostream>

#ifndef ETERO_VERSION
#error "the build defines ETERO_VERSION, the project's version"
#endif

namespace etero::cli {

namespace {

void help(const Spec& spec, std::ostream& out) {
    out << "usage: " << spec.program << (spec.usage.empty() ? "" : " ") << spec.usage << "\n"
        << spec.about;
    if (!spec.about.empty() && spec.about.back() != '\n') out << "\n";
    std::vector<Option> rows = spec.options;
    rows.push_back({"--help", "", "show this help and exit"});
    rows.push_back({"--version", "", "show the version and exit"});
    std::size_t width = 0;
    for (const Option& o : rows)
        width = std::max(width, o.name.size() + (o.value.empty() ? 0 : o.value.size() + 1));
    out << "\noptions:\n";
    for (const Option& o : rows) {
        const std::string left = o.name + (o.value.empty() ? "" : " " + o.value);
        out << "  " << left << std::string(width - left.size() + 2, ' ') << o.help << "\n";
    }
}

} // namespace

const char* version() {
    return ETERO_VERSION;
}

int usageError(const Spec& spec, const std::string& what, std::ostream& err) {
    err << spec.program << ": " << what << " (see " << spec.program << " --help)\n";
    return 2;
}

std::optional<int> parse(int argc, const char* const* argv, const Spec& spec, Parsed& parsed,
                         std::ostream& out, std::ostream& err) {
    parsed = Parsed{};
    bool optionsEnd = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnd || arg.size() < 2 || arg[0] != '-') {
            parsed.arguments.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnd = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            help(spec, out);
            return 0;
        }
        if (arg == "--version") {
            out << spec.program << " " << version() << "\n";
            return 0;
        }
        // --name or --name=value
        const std::size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        const auto o = std::find_if(spec.options.begin(), spec.options.end(),
                                    [&](const Option& k) { return k.name == name; });
        if (o == spec.options.end()) return usageError(spec, "unknown option " + name, err);
        if (o->value.empty()) {
            if (eq != std::string::npos) return usageError(spec, name + " takes no value", err);
            parsed.options[name];
        } else if (eq != std::string::npos) {
            parsed.options[name] = arg.substr(eq + 1);
        } else if (i + 1 < argc) {
            parsed.options[name] = argv[++i];
        } else {
            return usageError(spec, name + " needs " + o->value, err);
        }
    }
    if (parsed.arguments.size() < spec.required)
        return usageError(spec, "missing " + spec.arguments.at(parsed.arguments.size()), err);
    if (parsed.arguments.size() > spec.arguments.size())
        return usageError(spec, "unexpected argument " + parsed.arguments[spec.arguments.size()],
                          err);
    return std::nullopt;
}

} // namespace etero::cli
