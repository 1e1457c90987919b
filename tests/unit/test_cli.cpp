// Reading a program's command line: options with their values written either
// way, "--" before arguments that look like options, and the one-line errors.
#include "shell/cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace etero::cli;

namespace {

const Spec kSpec{"etero-prova",      "[--script FILE] [--check] OUTDIR [RUNS]",
                 "Prova.",           {{"--script", "FILE", "a script"}, {"--check", "", "a flag"}},
                 {"OUTDIR", "RUNS"}, 1};

struct Outcome {
    std::optional<int> status;
    Parsed parsed;
    std::string out, err;
};

Outcome run(std::vector<const char*> args) {
    args.insert(args.begin(), "etero-prova");
    Outcome r;
    std::ostringstream out, err;
    r.status = parse(static_cast<int>(args.size()), args.data(), kSpec, r.parsed, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

TEST(CommandLine, OptionsAndArgumentsEitherWay) {
    for (const auto& args : {std::vector<const char*>{"--script", "a b.script", "out"},
                             std::vector<const char*>{"--script=a b.script", "out"},
                             std::vector<const char*>{"out", "--script", "a b.script"}}) {
        const Outcome r = run(args);
        ASSERT_FALSE(r.status.has_value()) << r.err;
        EXPECT_EQ(r.parsed.options.at("--script"), "a b.script");
        EXPECT_FALSE(r.parsed.has("--check"));
        EXPECT_EQ(r.parsed.arguments, std::vector<std::string>{"out"});
    }
    const Outcome r = run({"--check", "--", "--out", "-"});
    ASSERT_FALSE(r.status.has_value()) << r.err;
    EXPECT_TRUE(r.parsed.has("--check"));
    EXPECT_EQ(r.parsed.arguments, (std::vector<std::string>{"--out", "-"}));
}

TEST(CommandLine, HelpAndVersionAnswerOnStandardOutput) {
    const Outcome help = run({"out", "--help", "--bogus"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(
        help.out.rfind("usage: etero-prova [--script FILE] [--check] OUTDIR [RUNS]\nProva.\n", 0),
        0u);
    EXPECT_NE(help.out.find("  --script FILE  a script\n"), std::string::npos);
    EXPECT_NE(help.out.find("  --version      show the version and exit\n"), std::string::npos);
    EXPECT_TRUE(help.err.empty());
    const Outcome shown = run({"--version"});
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, std::string("etero-prova ") + etero::cli::version() + "\n");
}

TEST(CommandLine, AWrongCommandLineIsOneLineAndStatusTwo) {
    const std::vector<std::pair<std::vector<const char*>, std::string>> cases{
        {{"--bogus", "out"}, "unknown option --bogus"},
        {{"-x", "out"}, "unknown option -x"},
        {{"--bogus=1", "out"}, "unknown option --bogus"},
        {{"out", "--script"}, "--script needs FILE"},
        {{"--check=yes", "out"}, "--check takes no value"},
        {{}, "missing OUTDIR"},
        {{"out", "5", "extra"}, "unexpected argument extra"},
    };
    for (const auto& [args, what] : cases) {
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 2) << what;
        EXPECT_TRUE(r.out.empty()) << what;
        EXPECT_EQ(r.err, "etero-prova: " + what + " (see etero-prova --help)\n");
    }
}

} // namespace
