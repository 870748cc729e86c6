// report: load the default case or a project file as File/Open does, calculate it
// in the chosen check mode and write its report as a PDF. The report needs fonts
// and a painter, so the command starts a GUI application on the offscreen
// platform, which needs no display.
#include "cli/report_command.h"

#include <QDateTime>
#include <QGuiApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/args.h"
#include "cli/common.h"
#include "output/report.h"
#include "output/tablefingerprint.h"

namespace veltar::cli {
namespace {

constexpr const char* kReportUsage =
    "usage: veltar-cli report [FILE.velta] --mode 1|2|3 [--deform] -o OUT.pdf [--data DIR]\n"
    "  --mode  the checks reported: 1 buckling, 2 scantling/yield, 3 both\n";

struct ReportArgs {
    std::string file, out, dataDir;
    int mode = 0;
    bool deform = false;
};

// The reason the words cannot be run, or an empty text.
std::string ParseReportArgs(int argc, char** argv, ReportArgs& a) {
    std::string mode;
    const std::string problem = ReadArgs(argc, argv, {{"--deform", &a.deform}},
                                         {{"--mode", &mode}, {"-o", &a.out}, {"--data", &a.dataDir}}, a.file);
    if (!problem.empty()) return problem;
    if (mode.empty()) return "no --mode given";
    a.mode = ModeOf(mode);
    if (a.mode == 0) return BadMode(mode);
    return a.out.empty() ? "no -o OUT.pdf given" : std::string();
}

// Qt's own notes about the platform (no runtime folder, no display) are no
// concern of a command-line run; only its errors are.
void QuietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "veltar-cli: %s\n", qPrintable(text));
}

}  // namespace

int RunReport(int argc, char** argv) {
    if (AsksForHelp(argc, argv)) {
        std::fputs(kReportUsage, stdout);
        return kExitOk;
    }
    ReportArgs a;
    if (const std::string problem = ParseReportArgs(argc, argv, a); !problem.empty())
        return UsageError(problem, kReportUsage);
    const std::string dataDir = DataDir(a.dataDir);
    Tables tables;
    if (Status s = LoadTables(dataDir, tables); !s) return FileError(s.message);
    Case c;
    std::vector<std::string> warnings;
    if (Status s = CalculatedCase(a.file, tables, a.mode, a.deform, c, warnings); !s) return FileError(s.message);
    for (const std::string& w : warnings) std::fprintf(stderr, "warning:%s\n", w.c_str());

    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtNotes);
    static char name[] = "veltar-cli";
    int qtArgc = 1;
    char* qtArgv[] = {name, nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    const ReportOptions options{c.CheckMode, QDateTime::currentDateTime(), TableFingerprint(dataDir)};
    if (Status s = WriteReportPdf(QString::fromStdString(a.out), c, tables, options); !s) return FileError(s.message);
    return kExitOk;
}

}  // namespace veltar::cli
