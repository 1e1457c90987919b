// etero-fuzz: sends random hostile scripts to every implemented window through
// the script driver, one driver process per script, and fails on a crash, a
// sanitizer report, a hang, an output line that is not well-formed JSON, or an
// `error` event that the script did not ask for.
//
//   etero-fuzz [--driver PATH] [--seed N] [--scripts N] [--steps N]
//              [--timeout SECONDS] [--keep FILE]
//
// Each script opens one window (every implemented form in turn, from a place
// the seed picks), then acts at random on the controls of the open windows:
// typing hostile text, clicking, choosing list items, moving the focus,
// closing windows, ticking the timer. After every action it asks the driver
// for the open windows, so it always knows what the next action may target.
#include "shell/app/app.h"
#include "shell/app/catalogue.h"
#include "shell/app/registry.h"
#include "shell/cli/cli.h"
#include "shell/script/json.h"
#include "shell/script/script.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace etero;

struct Options {
    std::string driver;
    unsigned seed = 1;
    int scripts = -1; // one per implemented form
    int steps = 40;
    int timeout = 20; // seconds for one step, a slow sanitized build included
    std::string keep = "etero-fuzz-failure.script";
};

// Reads the command line; ends the program at once for --help, --version and
// a wrong command line (one line on standard error, exit status 2).
Options parse(int argc, char** argv) {
    const cli::Spec spec{
        "etero-fuzz",
        "[--driver PATH] [--seed N] [--scripts N] [--steps N] [--timeout SECONDS] [--keep FILE]",
        "Sends random hostile scripts to every implemented window through the script\n"
        "driver and fails on a crash, a sanitizer report, a hang, output that is not\n"
        "well-formed JSON, or an error event the script did not cause.\n"
        "Exit status: 0; 1 when a script failed (it is kept in FILE); 2 when the\n"
        "command line is wrong.",
        {{"--driver", "PATH", "the driver to run (default: etero-script beside this program)"},
         {"--seed", "N", "the seed of the random scripts (default 1)"},
         {"--scripts", "N", "how many scripts (default: one per implemented form)"},
         {"--steps", "N", "actions in each script (default 40)"},
         {"--timeout", "SECONDS", "the longest a step may take (default 20)"},
         {"--keep", "FILE", "where a failing script is kept (default etero-fuzz-failure.script)"}},
        {},
        0};
    cli::Parsed args;
    if (const auto status = cli::parse(argc, argv, spec, args, std::cout, std::cerr))
        std::exit(*status);
    Options o;
    const std::string self = argv[0];
    const std::size_t slash = self.rfind('/');
    o.driver =
        (slash == std::string::npos ? std::string() : self.substr(0, slash + 1)) + "etero-script";
    auto number = [&](const char* option, long low) -> long {
        const std::string& v = args.options.at(option);
        char* end = nullptr;
        errno = 0;
        const long n = std::strtol(v.c_str(), &end, 10);
        if (v.empty() || *end != '\0' || errno != 0 || n < low || n > 1000000000)
            std::exit(cli::usageError(spec,
                                      std::string(option) + " takes a whole number from " +
                                          std::to_string(low) + ", not " + v,
                                      std::cerr));
        return n;
    };
    if (args.has("--driver")) o.driver = args.options.at("--driver");
    if (args.has("--seed")) o.seed = static_cast<unsigned>(number("--seed", 0));
    if (args.has("--scripts")) o.scripts = static_cast<int>(number("--scripts", 0));
    if (args.has("--steps")) o.steps = static_cast<int>(number("--steps", 0));
    if (args.has("--timeout")) o.timeout = static_cast<int>(number("--timeout", 1));
    if (args.has("--keep")) o.keep = args.options.at("--keep");
    return o;
}

// ------------------------------------------------------- the controls --

// What a script can act on in one window, read from the form's design.
struct Target {
    std::string name;
    Kind kind;
    int items = 0;       // list items when the window opened
    bool closes = false; // the window's close command
};

// The controls of every implemented form, as they are when the form opens,
// found by opening each in a driver of our own that writes nowhere.
class Designs {
  public:
    Designs() : runner_(sink_) {}
    const std::vector<Target>& of(const std::string& form) {
        auto it = cache_.find(form);
        if (it != cache_.end()) return it->second;
        std::vector<Target>& list = cache_[form];
        // The main window is open from the start and stays open here.
        const bool main = form == kMainWindow;
        if (!main) runner_.app().open(form, Mode::Modeless);
        if (runner_.app().isOpen(form)) {
            for (const Control& c : runner_.app().openedForm(form).controls())
                if (c.kind != Kind::Timer)
                    list.push_back(
                        {c.name, c.kind, static_cast<int>(c.items.size()), c.role == Role::Close});
            if (!main) runner_.app().closeBox(form);
        }
        sink_.str({});
        return list;
    }

  private:
    std::ostringstream sink_;
    ScriptRunner runner_;
    std::map<std::string, std::vector<Target>> cache_;
};

// ---------------------------------------------------- hostile content --

class Generator {
  public:
    explicit Generator(unsigned seed) : rng_(seed) {}
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(rng_() % static_cast<unsigned>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T> const T& pick(const std::vector<T>& v) {
        return v[static_cast<std::size_t>(below(static_cast<int>(v.size())))];
    }

    // Text for a field: mostly numbers of every size and sign, so that the
    // computations run deep; the rest is hostile.
    std::string text() {
        static const std::vector<std::string> hostile = {
            "",    " ",      "-",          "+",       ".",     "-.",        "0",
            "-0",  "1e400",  "-1e400",     "1e-400",  "1e308", "-1e308",    "4.9e-324",
            "NaN", "inf",    "-inf",       "1,5",     "1.2.3", "1e",        "1e+",
            "&H",  "&HFFFF", "&H7FFFFFFF", "&O777",   "&O",    "1 000",     "12abc",
            "abc", "µ",      "𝄞",          "e\u0301", "\"",    "\\",        "'",
            "\t",  "\u0001", "%s%n",       "1d3",     "-1D-3", "0.0000001", "3.3k"};
        switch (below(10)) {
        case 0:
        case 1:
            return pick(hostile);
        case 2:
            return std::string(static_cast<std::size_t>(1 + below(320)), '9');
        case 3: {
            std::string s;
            for (int n = below(40); n > 0; --n)
                s += static_cast<char>(32 + below(95));
            return s;
        }
        default: {
            // A number: a few digits, a decimal point, an exponent or a sign.
            std::string s = chance(15) ? "-" : "";
            s += std::to_string(below(chance(50) ? 100 : 100000));
            if (chance(40)) s += "." + std::to_string(below(1000));
            if (chance(15)) s += "e" + std::to_string(below(40) - 20);
            return s;
        }
        }
    }

  private:
    std::mt19937 rng_;
};

// ----------------------------------------------------- the driver --

class Driver {
  public:
    Driver(const std::string& path, const std::string& stderrFile) {
        int in[2], out[2];
        if (pipe(in) != 0 || pipe(out) != 0) throw std::runtime_error("pipe failed");
        pid_ = fork();
        if (pid_ < 0) throw std::runtime_error("fork failed");
        if (pid_ == 0) {
            dup2(in[0], 0);
            dup2(out[1], 1);
            if (FILE* err = std::fopen(stderrFile.c_str(), "w")) dup2(fileno(err), 2);
            close(in[0]);
            close(in[1]);
            close(out[0]);
            close(out[1]);
            execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(in[0]);
        close(out[1]);
        to_ = in[1];
        from_ = out[0];
    }
    ~Driver() {
        if (to_ >= 0) close(to_);
        if (from_ >= 0) close(from_);
        if (pid_ > 0 && !waited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    bool send(const std::string& line) {
        const std::string s = line + "\n";
        std::size_t done = 0;
        while (done < s.size()) {
            const ssize_t n = write(to_, s.data() + done, s.size() - done);
            if (n <= 0) return false;
            done += static_cast<std::size_t>(n);
        }
        return true;
    }

    enum class Read { Line, Eof, Timeout };
    Read line(std::string& out, int timeoutSeconds) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
        while (true) {
            const std::size_t nl = buffer_.find('\n');
            if (nl != std::string::npos) {
                out = buffer_.substr(0, nl);
                buffer_.erase(0, nl + 1);
                return Read::Line;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) return Read::Timeout;
            pollfd p{from_, POLLIN, 0};
            const int r = poll(&p, 1, static_cast<int>(left.count()));
            if (r < 0 && errno == EINTR) continue;
            if (r <= 0) return Read::Timeout;
            char chunk[65536];
            const ssize_t n = read(from_, chunk, sizeof chunk);
            if (n <= 0) return Read::Eof;
            buffer_.append(chunk, static_cast<std::size_t>(n));
        }
    }

    // Closes the driver's input and waits for it; the raw wait status.
    int finish() {
        close(to_);
        to_ = -1;
        std::string rest;
        while (line(rest, 30) == Read::Line) {
        }
        int status = 0;
        waitpid(pid_, &status, 0);
        waited_ = true;
        return status;
    }

  private:
    pid_t pid_ = -1;
    int to_ = -1, from_ = -1;
    bool waited_ = false;
    std::string buffer_;
};

// ------------------------------------------------------- one script --

std::string quoted(const std::string& s) {
    return json::quote(s);
}

// The form names in a `windows` event line.
std::vector<std::string> openWindows(const std::string& line) {
    std::vector<std::string> forms;
    const std::string key = "{\"form\":\"";
    for (std::size_t at = line.find(key); at != std::string::npos; at = line.find(key, at)) {
        at += key.size();
        forms.push_back(line.substr(at, line.find('"', at) - at));
    }
    return forms;
}

struct Failure {
    std::string what;
};

class Session {
  public:
    Session(const Options& o, Designs& designs, Generator& gen, const std::string& errFile)
        : o_(o), designs_(designs), gen_(gen), errFile_(errFile), driver_(o.driver, errFile) {}

    void run(const std::string& first, const std::vector<std::string>& forms) {
        sync();
        step("open " + first + (gen_.chance(30) ? " modal" : " modeless"), false);
        for (int i = 0; i < o_.steps && !ended_; ++i)
            action(forms);
        if (!ended_) step("dump " + open_.front(), false);
        const int status = driver_.finish();
        if (WIFSIGNALED(status))
            throw Failure{"the driver died of signal " + std::to_string(WTERMSIG(status))};
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (code != (errorsAsked_ ? 2 : 0))
            throw Failure{"the driver exited with status " + std::to_string(code)};
        std::ifstream err(errFile_);
        std::stringstream text;
        text << err.rdbuf();
        if (!text.str().empty())
            throw Failure{"the driver wrote on its error output:\n" + text.str()};
    }

    const std::vector<std::string>& lines() const { return sent_; }

  private:
    // The front calculator most of the time, any open window now and then.
    std::string chooseForm() {
        if (gen_.chance(85))
            for (const std::string& f : open_)
                if (f != kMainWindow) return f;
        return gen_.pick(open_);
    }

    // Fields and commands most of the time, so that computations run with
    // the typed values; any control now and then.
    const Target& chooseControl(const std::vector<Target>& controls) {
        static const std::vector<std::vector<Kind>> preferred = {
            {Kind::Text},    {Kind::Text},    {Kind::Text},
            {Kind::Command}, {Kind::Command}, {Kind::Option, Kind::Check, Kind::Combo}};
        if (gen_.chance(85)) {
            const std::vector<Kind>& kinds = gen_.pick(preferred);
            std::vector<const Target*> some;
            for (const Target& t : controls)
                for (Kind k : kinds)
                    if (t.kind == k && !t.closes) some.push_back(&t);
            if (!some.empty()) return *gen_.pick(some);
        }
        return gen_.pick(controls);
    }

    void action(const std::vector<std::string>& forms) {
        const std::string form = chooseForm();
        const std::vector<Target>& controls = designs_.of(form);
        const int roll = gen_.below(100);
        if (controls.empty() || roll < 3) {
            step("tick " + std::to_string(gen_.below(4)), false);
        } else if (roll < 6) {
            step("close " + form, false);
        } else if (roll < 8) {
            step("open " + gen_.pick(forms) + (gen_.chance(50) ? " modal" : " modeless"), false);
        } else if (roll < 10) {
            // A line the driver must refuse, and say so.
            static const std::vector<std::string> bad = {
                "set " + form + ".nessuno \"1\"", "click " + form + ".\"\\ud800\"",
                "select " + form + ".nessuno 0", "frobnicate", "tick -1"};
            step(gen_.pick(bad), true);
        } else {
            const Target& t = chooseControl(controls);
            const std::string ref = form + "." + t.name;
            switch (t.kind) {
            case Kind::Text:
                step((gen_.chance(20) ? "type " : "set ") + ref + " " + quoted(gen_.text()), false);
                break;
            case Kind::Combo: {
                const bool outside = gen_.chance(5) || t.items == 0;
                const int n = outside ? t.items + gen_.below(3) : gen_.below(t.items);
                step("select " + ref + " " + std::to_string(n), outside);
                break;
            }
            default:
                step((gen_.chance(15) ? "focus " : "click ") + ref, false);
            }
        }
    }

    // Sends one line, then asks for the open windows, and checks everything
    // the driver wrote in between.
    void step(const std::string& line, bool mayFail) {
        sent_.push_back(line);
        if (!driver_.send(line)) throw Failure{"the driver stopped reading"};
        allowError_ = mayFail || ended_;
        sync();
    }

    void sync() {
        if (ended_) return;
        if (!driver_.send("windows")) throw Failure{"the driver stopped reading"};
        std::string line;
        while (true) {
            switch (driver_.line(line, o_.timeout)) {
            case Driver::Read::Timeout:
                throw Failure{"no answer within " + std::to_string(o_.timeout) + " s"};
            case Driver::Read::Eof:
                throw Failure{"the driver's output ended"};
            case Driver::Read::Line:
                break;
            }
            if (!json::wellFormed(line)) throw Failure{"not a JSON line: " + line};
            if (line.rfind("{\"event\":\"error\"", 0) == 0) {
                if (ended_) {
                    // The program ended: the `windows` line itself is refused.
                    errorsAsked_ = true;
                    return;
                }
                if (!allowError_) throw Failure{"an error the script did not cause: " + line};
                errorsAsked_ = true;
                continue;
            }
            if (line == "{\"event\":\"end\"}") ended_ = true;
            if (line.rfind("{\"event\":\"windows\"", 0) == 0) {
                open_ = openWindows(line);
                allowError_ = false;
                if (open_.empty()) ended_ = true;
                return;
            }
        }
    }

    const Options& o_;
    Designs& designs_;
    Generator& gen_;
    std::string errFile_;
    Driver driver_;
    std::vector<std::string> open_;
    std::vector<std::string> sent_;
    bool ended_ = false, allowError_ = false, errorsAsked_ = false;
};

} // namespace

int main(int argc, char** argv) {
    const Options o = parse(argc, argv);
    std::vector<std::string> forms;
    for (const std::string& f : allForms())
        if (isRegistered(f)) forms.push_back(f);
    if (forms.empty()) {
        std::cerr << "etero-fuzz: no implemented form\n";
        return 1;
    }
    const int scripts = o.scripts < 0 ? static_cast<int>(forms.size()) : o.scripts;
    Designs designs;
    Generator gen(o.seed);
    const std::string errFile = o.keep + ".stderr";
    const std::size_t start = static_cast<std::size_t>(gen.below(static_cast<int>(forms.size())));
    for (int i = 0; i < scripts; ++i) {
        const std::string& first = forms[(start + static_cast<std::size_t>(i)) % forms.size()];
        Session session(o, designs, gen, errFile);
        try {
            session.run(first, forms);
        } catch (const Failure& f) {
            std::ofstream keep(o.keep);
            for (const std::string& l : session.lines())
                keep << l << "\n";
            std::cerr << "etero-fuzz: script " << i + 1 << " (" << first << "): " << f.what
                      << "\nthe script so far is in " << o.keep << "\n";
            return 1;
        }
    }
    std::remove(errFile.c_str());
    std::cout << "etero-fuzz: " << scripts << " scripts of up to " << o.steps << " steps, seed "
              << o.seed << ": no fault\n";
    return 0;
}
