// veltar-docgen: the build tool that turns the Markdown pages into the help project
// and the PDF manuals, quoting the program's own output where a page asks for it.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

#include "helpproject.h"
#include "pdfmanual.h"
#include "sources.h"

namespace {

constexpr const char* kUsage =
    "usage: veltar-docgen help CONTENTS.txt OUTDIR [options]\n"
    "       veltar-docgen pdf MANUAL.txt OUT.pdf [options]\n"
    "options: --calc JSON  --case-table VELTI  --result-table VELTO\n";

struct Options {
    QString command, list, out, calc, caseTable, resultTable;
};

bool ParseOptions(const QStringList& args, Options& o) {
    if (args.size() < 4) return false;
    o.command = args[1];
    o.list = args[2];
    o.out = args[3];
    for (qsizetype i = 4; i + 1 < args.size(); i += 2) {
        if (args[i] == "--calc")
            o.calc = args[i + 1];
        else if (args[i] == "--case-table")
            o.caseTable = args[i + 1];
        else if (args[i] == "--result-table")
            o.resultTable = args[i + 1];
        else
            return false;
    }
    return args.size() % 2 == 0 && (o.command == "help" || o.command == "pdf");
}

// A list file names one page a line, relative to the list itself; leading blanks
// (two a level) give the depth in the contents; "#" starts a comment line. A line
// "Title: ..." names a manual.
struct ListLine {
    QString path;
    int level = 0;
};

bool ReadList(const QString& path, QString& title, QList<ListLine>& lines, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = "can't read " + path;
        return false;
    }
    const QString dir = QFileInfo(path).absolutePath();
    for (const QString& raw : QString::fromUtf8(file.readAll()).split('\n')) {
        const QString text = raw.trimmed();
        if (text.isEmpty() || text.startsWith('#')) continue;
        if (text.startsWith("Title:")) {
            title = text.mid(6).trimmed();
            continue;
        }
        const int indent = int(raw.indexOf(text));
        lines << ListLine{dir + "/" + text, indent / 2};
    }
    return true;
}

bool Run(const Options& o, QString& error) {
    docgen::Sources src;
    if (!docgen::ReadSources(o.calc, o.caseTable, o.resultTable, src, error)) return false;
    QString title;
    QList<ListLine> lines;
    if (!ReadList(o.list, title, lines, error)) return false;
    QList<docgen::ContentsEntry> entries;
    QList<docgen::Page> pages;
    for (const ListLine& line : lines) {
        docgen::Page page;
        if (!docgen::ReadPage(line.path, page, error) || !docgen::Substitute(page, src, error)) return false;
        entries << docgen::ContentsEntry{page, line.level};
        pages << page;
    }
    if (o.command == "help") return docgen::WriteHelpProject(entries, o.out, error);
    if (title.isEmpty()) {
        error = o.list + ": the manual has no \"Title:\" line";
        return false;
    }
    return docgen::WritePdfManual(title, pages, o.out, error);
}

}  // namespace

int main(int argc, char** argv) {
    // A build machine has no display; the documents need fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Options o;
    if (!ParseOptions(app.arguments(), o)) {
        std::fputs(kUsage, stderr);
        return 1;
    }
    QString error;
    if (!Run(o, error)) {
        std::fprintf(stderr, "veltar-docgen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
