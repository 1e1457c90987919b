// etero-gallery OUTDIR: renders, without a display, the main window and every
// form the program knows in its opening state to OUTDIR/<form>.png, and
// OUTDIR/index.html showing them all with their names and whether each
// calculator is built yet.
//
// etero-gallery --script FILE OUTDIR: runs the driver script FILE on the
// desktop program (offscreen) and, at each `dump F`, renders the window of F
// as it is at that moment to OUTDIR/<F>-<n>.png: a way to look at results,
// messages aside, exactly as a user would see them.
//
// etero-gallery --check [--script PATH]: the layout check (qt/layoutcheck.h)
// instead of pictures, over every calculator window as it opens, or over the
// windows of the script PATH (every *.script below PATH when it is a
// directory) at each `dump` and at the script's end, where a control that
// moved since its window opened is a problem too. One line per problem, then
// the number of windows checked; the exit status is 1 when any was found.
#include "qt/formview.h"
#include "qt/layoutcheck.h"
#include "qt/program.h"
#include "qt/snapshot.h"
#include "qt/style.h"
#include "shell/app/catalogue.h"
#include "shell/app/registry.h"
#include "shell/cli/cli.h"
#include "shell/script/script.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

etero::Mode catalogueMode(const std::string& form) {
    for (const etero::MenuEntry& e : etero::menuCatalogue())
        if (e.isLeaf() && form == e.form) return e.mode;
    return etero::Mode::Modeless;
}

QString escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

struct Entry {
    std::string form;
    std::string caption;
    bool implemented;
    bool rendered;
};

// The offscreen platform cannot raise windows and says so for each one.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support raise()"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Runs a driver script on the desktop program and renders the dumped windows.
int renderScript(const char* scriptPath, const QString& outDir) {
    std::ifstream script(scriptPath);
    if (!script) {
        std::fprintf(stderr, "etero-gallery: cannot read %s\n", scriptPath);
        return 2;
    }
    etero::qt::Program program({/*suspendModal=*/false, /*interactive=*/false});
    program.host().onEnded = [] {};
    program.start();
    std::map<std::string, int> shots;
    etero::ScriptCommands commands(program.app(),
                                   [](const std::string& line) { std::cout << line << "\n"; });
    commands.onDump = [&](etero::Form& form) {
        QApplication::processEvents();
        etero::qt::FormView* view = program.host().view(form.name());
        if (!view) return;
        const QString file = QDir(outDir).filePath(QString::fromStdString(
            form.name() + "-" + std::to_string(++shots[form.name()]) + ".png"));
        if (etero::qt::windowSnapshot(*view).save(file))
            std::fprintf(stderr, "%s\n", qPrintable(file));
    };
    return commands.run(script);
}

// What the check found so far: each problem once, however often it is seen.
struct CheckReport {
    std::set<std::string> seen;
    int windows = 0;
    void add(const std::vector<etero::qt::LayoutProblem>& problems) {
        ++windows;
        for (const auto& p : problems)
            if (seen.insert(p.line()).second) std::printf("%s\n", p.line().c_str());
    }
};

// Every calculator window as it opens, each in a fresh program.
void checkOpening(CheckReport& report) {
    for (const std::string& name : etero::allForms()) {
        etero::qt::Program program({/*suspendModal=*/false, /*interactive=*/false});
        program.host().onEnded = [] {};
        program.start();
        program.host().input([&] { program.app().open(name, catalogueMode(name)); });
        etero::qt::FormView* view = program.host().view(name);
        if (!view || !program.host().errors().empty()) {
            report.add({{name, {}, "could not be shown"}});
            continue;
        }
        report.add(etero::qt::checkLayout(*view, program.app().openedForm(name)));
    }
}

// The windows of one script, in the states it leaves them in.
void checkScript(const QString& path, CheckReport& report) {
    std::ifstream script(path.toStdString());
    if (!script) {
        report.add({{path.toStdString(), {}, "cannot be read"}});
        return;
    }
    etero::qt::Program program({/*suspendModal=*/false, /*interactive=*/false});
    program.host().onEnded = [] {};
    program.start();
    // Each window's placement as it opened; a window opened again starts anew.
    std::map<std::string, std::pair<QPointer<etero::qt::FormView>, etero::qt::Placement>> opened;
    auto check = [&](etero::Form& form) {
        etero::qt::FormView* view = program.host().view(form.name());
        if (!view || form.name() == etero::kMainWindow) return;
        auto it = opened.find(form.name());
        report.add(etero::qt::checkLayout(
            *view, form,
            it != opened.end() && it->second.first == view ? &it->second.second : nullptr));
    };
    etero::ScriptCommands commands(program.app(), [](const std::string&) {});
    commands.onDump = check;
    std::string text;
    int number = 0;
    while (std::getline(script, text)) {
        commands.line(text, ++number);
        if (program.app().ended()) break;
        for (const etero::OpenWindow& w : program.app().windows()) {
            etero::qt::FormView* view = program.host().view(w.form->name());
            auto& [known, place] = opened[w.form->name()];
            if (view && known != view) {
                known = view;
                place = etero::qt::placement(*view, *w.form);
            }
        }
    }
    if (!program.app().ended())
        for (const etero::OpenWindow& w : program.app().windows())
            check(*w.form);
}

int runCheck(const char* scriptPath) {
    CheckReport report;
    if (!scriptPath) {
        checkOpening(report);
    } else {
        QStringList scripts;
        const QString path = QString::fromLocal8Bit(scriptPath);
        if (QFileInfo(path).isDir()) {
            QDirIterator it(path, {QStringLiteral("*.script")}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext())
                scripts << it.next();
            scripts.sort();
        } else {
            scripts << path;
        }
        for (const QString& s : scripts)
            checkScript(s, report);
    }
    std::printf("%d windows checked, %zu problems\n", report.windows, report.seen.size());
    return report.seen.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const etero::cli::Spec spec{
        "etero-gallery",
        "OUTDIR | --script FILE OUTDIR | --check [--script FILE|DIR]",
        "Renders, without a display, the main window and every form in its opening\n"
        "state to OUTDIR/<form>.png, with OUTDIR/index.html showing them all. With\n"
        "--script, runs the driver script FILE on the desktop program instead and\n"
        "renders the window of F at each `dump F` line to OUTDIR/<F>-<n>.png. With\n"
        "--check, lays out every window as it opens (or the windows of the scripts)\n"
        "and prints one line per layout problem, then the number of windows checked.\n"
        "Exit status: 0; 1 when a window could not be rendered or written, or the\n"
        "check found a problem; 2 when the command line is wrong, FILE cannot be\n"
        "read or a script line failed.",
        {{"--script", "FILE",
          "run the driver script FILE (with --check: or every *.script in DIR)"},
         {"--check", "", "check the layout of the windows instead of rendering them"}},
        {"OUTDIR"},
        0};
    etero::cli::Parsed args;
    if (const auto status = etero::cli::parse(argc, argv, spec, args, std::cout, std::cerr))
        return *status;
    const bool check = args.has("--check");
    const bool scripted = args.has("--script");
    const std::string scriptPath = scripted ? args.options.at("--script") : std::string();
    if (check && !args.arguments.empty())
        return etero::cli::usageError(spec, "--check writes no pictures: no OUTDIR", std::cerr);
    if (!check && args.arguments.empty())
        return etero::cli::usageError(spec, "missing OUTDIR", std::cerr);
    const std::string outPath = check ? std::string() : args.arguments.at(0);
    // No display needed: the windows are drawn offscreen.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quietHandler);
    int qtArgc = 1; // the options are ours, not Qt's
    QApplication application(qtArgc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    etero::qt::applyStyle(application);
    if (check) return runCheck(scripted ? scriptPath.c_str() : nullptr);

    const QString outDir = QString::fromLocal8Bit(outPath.c_str());
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "etero-gallery: cannot create %s\n", outPath.c_str());
        return 1;
    }
    if (scripted) return renderScript(scriptPath.c_str(), outDir);

    std::vector<std::string> forms{etero::kMainWindow};
    for (const std::string& f : etero::allForms())
        forms.push_back(f);

    std::vector<Entry> entries;
    int failures = 0;
    for (const std::string& name : forms) {
        // A fresh program for each form: every window in its opening state.
        etero::qt::Program program({/*suspendModal=*/false, /*interactive=*/false});
        program.host().onEnded = [] {};
        program.start();
        if (name != etero::kMainWindow)
            program.host().input([&] { program.app().open(name, catalogueMode(name)); });
        QApplication::processEvents();
        etero::qt::FormView* view = program.host().view(name);
        Entry entry{name, "", name == etero::kMainWindow || etero::isRegistered(name), false};
        if (!view || !program.host().errors().empty()) {
            ++failures;
            std::fprintf(stderr, "etero-gallery: %s could not be shown%s%s\n", name.c_str(),
                         program.host().errors().empty() ? "" : ": ",
                         program.host().errors().empty() ? ""
                                                         : program.host().errors().front().c_str());
        } else {
            const QString file = QDir(outDir).filePath(QString::fromStdString(name) + ".png");
            if (etero::qt::windowSnapshot(*view).save(file)) {
                entry.rendered = true;
                entry.caption = view->windowTitle().toStdString();
            } else {
                ++failures;
                std::fprintf(stderr, "etero-gallery: cannot write %s\n", qPrintable(file));
            }
        }
        entries.push_back(entry);
    }

    QFile index(QDir(outDir).filePath(QStringLiteral("index.html")));
    if (!index.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "etero-gallery: cannot write index.html\n");
        return 1;
    }
    int implemented = 0;
    for (const Entry& e : entries)
        implemented += e.implemented ? 1 : 0;
    QTextStream html(&index);
    html << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
         << "<title>ETEROMETRO - windows</title>\n<style>\n"
         << "body{font-family:sans-serif;background:#eee9df;margin:24px;color:#222}\n"
         << "h1{font-size:20px}\n"
         << ".grid{display:flex;flex-wrap:wrap;gap:18px;align-items:flex-start}\n"
         << "figure{margin:0;background:#fff;padding:10px;border:1px solid "
            "#cfc6b4;border-radius:6px}\n"
         << "figure img{display:block;max-width:640px;height:auto}\n"
         << "figcaption{margin-top:8px;font-size:13px}\n"
         << ".yes{color:#1d7a2a;font-weight:bold}.no{color:#a33;font-weight:bold}\n"
         << "</style>\n</head>\n<body>\n"
         << "<h1>ETEROMETRO: " << entries.size() << " windows, " << implemented
         << " implemented</h1>\n<div class=\"grid\">\n";
    for (const Entry& e : entries) {
        html << "<figure id=\"" << escaped(e.form) << "\">";
        if (e.rendered)
            html << "<img src=\"" << escaped(e.form) << ".png\" alt=\"" << escaped(e.form) << "\">";
        html << "<figcaption><code>" << escaped(e.form) << "</code> &mdash; "
             << (e.implemented ? "<span class=\"yes\">implemented: yes</span>"
                               : "<span class=\"no\">implemented: no</span>");
        if (!e.caption.empty()) html << "<br>" << escaped(e.caption);
        if (!e.rendered) html << "<br><span class=\"no\">not rendered</span>";
        html << "</figcaption></figure>\n";
    }
    html << "</div>\n</body>\n</html>\n";
    std::printf("%zu windows rendered to %s (%d failed)\n", entries.size() - failures,
                outPath.c_str(), failures);
    return failures == 0 ? 0 : 1;
}
