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

#include "cli/common.h"
#include "output/report.h"
#include "output/tablefingerprint.h"

namespace veltar::cli {
namespace {

constexpr const char* kReportUsage =
    "usage: veltar-cli report [FILE.velta] --mode 1|2|3 [--deform] -o OUT.pdf [--data DIR]\n";

struct ReportArgs {
    std::string file, out, dataDir;
    int mode = 0;
    bool deform = false;
};

bool ParseReportArgs(int argc, char** argv, ReportArgs& a) {
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--deform") {
            a.deform = true;
        } else if (arg == "--mode" && hasValue) {
            const std::string m = argv[++i];
            if (m != "1" && m != "2" && m != "3") return false;
            a.mode = m[0] - '0';
        } else if (arg == "-o" && hasValue) {
            a.out = argv[++i];
        } else if (arg == "--data" && hasValue) {
            a.dataDir = argv[++i];
        } else if (!arg.empty() && arg[0] != '-' && a.file.empty()) {
            a.file = arg;
        } else {
            return false;
        }
    }
    return a.mode != 0 && !a.out.empty();
}

// Qt's own notes about the platform (no runtime folder, no display) are no
// concern of a command-line run; only its errors are.
void QuietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "veltar-cli: %s\n", qPrintable(text));
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "veltar-cli: %s\n", message.c_str());
    return kExitFileError;
}

}  // namespace

int RunReport(int argc, char** argv) {
    ReportArgs a;
    if (!ParseReportArgs(argc, argv, a)) {
        std::fputs(kReportUsage, stderr);
        return kExitUsage;
    }
    const std::string dataDir = DataDir(a.dataDir);
    Tables tables;
    if (Status s = LoadTables(dataDir, tables); !s) return Fail(s.message);
    Case c;
    std::vector<std::string> warnings;
    if (Status s = CalculatedCase(a.file, tables, a.mode, a.deform, c, warnings); !s) return Fail(s.message);
    for (const std::string& w : warnings) std::fprintf(stderr, "warning:%s\n", w.c_str());

    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtNotes);
    static char name[] = "veltar-cli";
    int qtArgc = 1;
    char* qtArgv[] = {name, nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    const ReportOptions options{c.CheckMode, QDateTime::currentDateTime(), TableFingerprint(dataDir)};
    if (Status s = WriteReportPdf(QString::fromStdString(a.out), c, tables, options); !s) return Fail(s.message);
    return kExitOk;
}

}  // namespace veltar::cli
