// etero-bench: how fast the desktop program starts and opens its windows.
//
//   etero-bench [RUNS]    (etero-bench --help tells more)
//
// 1. Start-up: starts a fresh process RUNS times (default 5); each builds the
//    program exactly as build/eterometro does and reports the time from its
//    main() to the main window's first paint. The wall time from spawning the
//    process to that report is shown too.
// 2. Opening: for every form the program knows, the time to open its window
//    (build the model, create and lay out the widgets, show and paint it),
//    min and median over RUNS openings, each in a fresh program.
//
// Without a display the offscreen platform is used. Figures only: not a test.
#include "qt/formview.h"
#include "qt/mainview.h"
#include "qt/program.h"
#include "qt/style.h"
#include "shell/app/catalogue.h"
#include "shell/app/registry.h"
#include "shell/cli/cli.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// The child: the program as main() builds it, up to the first paint.
int firstPaintChild(int& argc, char** argv, Clock::time_point start) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    etero::qt::applyStyle(application);
    etero::qt::Program program;
    program.host().onEnded = [] {};
    program.start();
    QObject::connect(program.mainView(), &etero::qt::MainView::firstPaint, [start] {
        std::printf("%.3f\n", ms(Clock::now() - start));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}

void startupTable(const char* self, int runs) {
    std::vector<double> inProcess, wall;
    for (int i = 0; i < runs; ++i) {
        const auto spawned = Clock::now();
        const std::string command = std::string("'") + self + "' --first-paint";
        FILE* child = popen(command.c_str(), "r");
        if (!child) return;
        char line[64] = {};
        const bool got = std::fgets(line, sizeof line, child) != nullptr;
        const auto reported = Clock::now();
        pclose(child);
        if (!got) {
            std::printf("start-up: the child reported nothing\n");
            return;
        }
        inProcess.push_back(std::atof(line));
        wall.push_back(ms(reported - spawned));
    }
    std::printf("Start-up to the main window's first paint (%d runs)\n", runs);
    std::printf("  %-38s %9s %9s\n", "", "min ms", "median ms");
    std::printf("  %-38s %9.1f %9.1f\n", "from main() (in the process)",
                *std::min_element(inProcess.begin(), inProcess.end()), median(inProcess));
    std::printf("  %-38s %9.1f %9.1f\n\n", "from spawning the process",
                *std::min_element(wall.begin(), wall.end()), median(wall));
}

etero::Mode catalogueMode(const std::string& form) {
    for (const etero::MenuEntry& e : etero::menuCatalogue())
        if (e.isLeaf() && form == e.form) return e.mode;
    return etero::Mode::Modeless;
}

void openingTable(int runs) {
    struct Row {
        std::string form;
        bool implemented;
        double min, median;
    };
    std::vector<Row> rows;
    for (const std::string& name : etero::allForms()) {
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            etero::qt::Program program({/*suspendModal=*/false, /*interactive=*/false});
            program.host().onEnded = [] {};
            program.start();
            QApplication::processEvents();
            const auto t0 = Clock::now();
            program.host().input([&] { program.app().open(name, catalogueMode(name)); });
            if (etero::qt::FormView* v = program.host().view(name)) v->repaint();
            times.push_back(ms(Clock::now() - t0));
        }
        rows.push_back({name, etero::isRegistered(name),
                        *std::min_element(times.begin(), times.end()), median(times)});
    }
    std::sort(rows.begin(), rows.end(),
              [](const Row& a, const Row& b) { return a.median > b.median; });
    std::vector<double> medians;
    for (const Row& r : rows)
        medians.push_back(r.median);
    std::printf("Opening a window: %zu forms, %d openings each, slowest first\n", rows.size(),
                runs);
    std::printf("  %-28s %-12s %9s %9s\n", "form", "implemented", "min ms", "median ms");
    for (const Row& r : rows)
        std::printf("  %-28s %-12s %9.2f %9.2f\n", r.form.c_str(), r.implemented ? "yes" : "no",
                    r.min, r.median);
    std::printf("  %-28s %-12s %9s %9.2f\n", "(median of all forms)", "", "", median(medians));
}

} // namespace

int main(int argc, char** argv) {
    const auto start = Clock::now();
    const etero::cli::Spec spec{
        "etero-bench",
        "[RUNS]",
        "Starts the desktop program RUNS times (default 5) in fresh processes and\n"
        "measures the time to the main window's first paint, then opens every form\n"
        "RUNS times and prints the min and median time to open and paint its window.\n"
        "Without a display it uses the offscreen platform. Figures only: not a test.",
        {{"--first-paint", "", "one start-up only, printing its time to the first paint"}},
        {"RUNS"},
        0};
    etero::cli::Parsed args;
    if (const auto status = etero::cli::parse(argc, argv, spec, args, std::cout, std::cerr))
        return *status;
    int runs = 5;
    if (!args.arguments.empty()) {
        const std::string& text = args.arguments[0];
        char* end = nullptr;
        const long n = std::strtol(text.c_str(), &end, 10);
        if (text.empty() || *end != '\0' || n < 1 || n > 1000)
            return etero::cli::usageError(
                spec, "RUNS must be a whole number from 1 to 1000, not " + text, std::cerr);
        runs = static_cast<int>(n);
    }
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
        !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quiet);
    int qtArgc = 1; // the options are ours, not Qt's
    if (args.has("--first-paint")) return firstPaintChild(qtArgc, argv, start);

    char self[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    startupTable(n > 0 ? self : argv[0], runs);

    QApplication application(qtArgc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    etero::qt::applyStyle(application);
    openingTable(runs);
    return 0;
}
