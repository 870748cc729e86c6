// The printed report read back from its PDF: titles per mode, input lines, the
// pressure lines, wrapping, page breaks with their headers, footers, faults.
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include "files/datatables.h"
#include "output/report.h"
#include "output/tablefingerprint.h"
#include "pdftext.h"
#include "profiles/sections.h"
#include "run/calculate.h"

using namespace veltar;

namespace {

constexpr const char* kFingerprint = "0123456789ab";

struct Printed {
    QStringList pages;  // squeezed lines of each page, joined by '\n'
    QString all;
};

QStringList SqueezedLines(const QString& page) {
    QStringList lines;
    for (const QString& line : page.split('\n'))
        if (!line.trimmed().isEmpty()) lines << Squeezed(line);
    return lines;
}

// Each page begins with its header and ends with its footer's "page i of n".
bool Numbered(const QStringList& pages) {
    for (int i = 0; i < pages.size(); ++i)
        if (!pages[i].startsWith("VELTAR Page: " + QString::number(i + 1)) ||
            !pages[i].endsWith(QString("page %1 of %2").arg(i + 1).arg(pages.size())))
            return false;
    return !pages.isEmpty();
}

}  // namespace

class ReportTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void contentPerCase();
    void longLineWrapsOntoTheNextRow();
    void faultTextStandsForTheResults();
    void resultsBreakOntoPagesWithTheirHeader();
    void manyLinesLoseNothing();
    void smallPagesKeepEveryBlock();
    void fingerprintOfTheTables();

private:
    Case Calculated(const std::function<void(Case&)>& setup = {}) const;
    Printed Print(const Case& c, i16 mode) const;

    Tables tables_;
    QTemporaryDir dir_;
};

void ReportTest::initTestCase() {
    if (!HavePdfToText()) QSKIP("pdftotext (poppler-utils) is not installed; the PDF cannot be read back");
    QVERIFY(ReadTables(VELTAR_DATA_DIR, tables_).ok);
}

Case ReportTest::Calculated(const std::function<void(Case&)>& setup) const {
    Case c;
    NewCase(c);
    PrepareStartupCase(c, tables_);
    if (setup) setup(c);
    CollectedWarnings warnings;
    Calculate(c, tables_, warnings);
    return c;
}

Printed ReportTest::Print(const Case& c, i16 mode) const {
    const QString path = dir_.filePath(QString("report-%1.pdf").arg(mode));
    const ReportOptions options{mode, QDateTime(QDate(2024, 5, 17), QTime(9, 5)), kFingerprint};
    const Status written = WriteReportPdf(path, c, tables_, options);
    if (!written) qWarning("%s", written.message.c_str());
    Printed p;
    for (const QString& page : PdfPages(path)) p.pages << SqueezedLines(page).join('\n');
    p.all = p.pages.join('\n');
    return p;
}

// Each row: a case, the print mode, texts that must appear and line starts that
// must not. The check mode follows the print mode, as the print commands set both.
void ReportTest::contentPerCase() {
    struct Row {
        const char* name;
        std::function<void(Case&)> setup;
        i16 mode;
        QStringList present, absentStarts;
    };
    const QString buckling = "Plate/Stiff/Girder check based on ABS Offshore Structures";
    const QString both = "Scantling of Plate/Stiff/Girder based on ABS Offshore Structures";
    auto flatBar = [this](Case& c) {
        c.StiffKind = kFbBuilt;
        c.FbbH = 400;
        c.FbbTw = 5;
        SetStiffenerProfile(c, tables_, c.StiffKind);
    };
    const Row rows[] = {
        {"buckling",
         {},
         1,
         {buckling, "PLATE BUCKLING CONTROL: (Max from plate 1/2)", "Flange: b2/tf = 9.7 <= 11.8 OK (ch 9.7)",
          "Web: hw/tw = 13.3 <= 44.4 OK (Ch 9.9)", "Loading Condition: A", "Date: 2024-05-17", "Time: 09:05",
          "Stiffener: L 100x75x7.0x7.0", "Girder: T 800x200x10.0x20.0", "p = 0.030 MPa"},
         {both, "PLATE SCANTLING:", "STIFFENER DEFORMATION CHECK:"}},
        {"scantling", {}, 2, {buckling, "PLATE SCANTLING:", "STIFFENER YIELD CHECK:"}, {"PLATE BUCKLING"}},
        {"both", {}, 3, {both, "OVERALL BUCKLING CONTROL:", "GIRDER SCANTLING:", "PLATE YIELD CONTROL:"}, {}},
        {"condition B", [](Case& c) { c.LoadCond = 1; }, 1, {"Loading Condition: B"}, {}},
        {"no p, scantling uses ps", [](Case& c) { c.p = 0; }, 2, {"ps = 0.030 MPa (Scantling)"}, {"p = "}},
        {"no p, buckling",
         [](Case& c) {
             c.p = 0;
             c.InclDeform = 1;
         },
         1,
         {},
         {"p = ", "ps = ", "STIFFENER DEFORMATION CHECK:"}},
        {"deformation",
         [](Case& c) { c.InclDeform = 1; },
         1,
         {"STIFFENER DEFORMATION CHECK: (Based on effective plate width as sw)"},
         {}},
        {"slender web", flatBar, 1, {"Stiffener: Fb 400x5.0", "Web: hw/tw = 80.0 <= 11.8 NOK (ch 9.9)"}, {"Flange:"}},
    };
    for (const Row& r : rows) {
        const Case c = Calculated([&](Case& c) {
            if (r.setup) r.setup(c);
            c.CheckMode = r.mode;
        });
        const Printed p = Print(c, r.mode);
        QVERIFY2(!p.pages.isEmpty(), r.name);
        for (const QString& text : r.present)
            QVERIFY2(p.all.contains(text), qPrintable(QString("%1: missing \"%2\"").arg(r.name, text)));
        for (const QString& line : p.all.split('\n'))
            for (const QString& start : r.absentStarts)
                QVERIFY2(!line.startsWith(start), qPrintable(QString("%1: unexpected \"%2\"").arg(r.name, line)));
    }
}

// A title and formula too wide for the value column: the title alone, the
// formula on the next row with the value and the reference.
void ReportTest::longLineWrapsOntoTheNextRow() {
    Case c = Calculated();
    c.PlateBucklingLine.Title = "PL1: Buckling of the plate field between the stiffeners and the girders - UF =";
    c.PlateBucklingLine.Formula = "1/0.60^2*((-100.0/219.2)^2 + (-30.0/181.8)^2) =";
    const Printed p = Print(c, 1);
    const QStringList lines = p.all.split('\n');
    const qsizetype at = lines.indexOf(QString::fromStdString(c.PlateBucklingLine.Title));
    QVERIFY2(at >= 0, "the long title stands alone on its row");
    QCOMPARE(lines[at + 1], QString::fromStdString(c.PlateBucklingLine.Formula + " " + c.PlateBucklingLine.Value + " " +
                                                   c.PlateBucklingLine.Reference)
                                .simplified());
}

// The fault text replaces the results, and the lines an earlier run left behind
// are not printed as results of this input.
void ReportTest::faultTextStandsForTheResults() {
    Case faulted = Calculated();
    faulted.t = 0;
    CollectedWarnings warnings;
    Calculate(faulted, tables_, warnings);
    QVERIFY(!faulted.FaultText.empty());
    const Printed f = Print(faulted, 3);
    QVERIFY(f.all.contains("CALCULATION STOPPED:"));
    QVERIFY(f.all.contains(Squeezed(QString::fromStdString(faulted.FaultText)).left(30)));
    QVERIFY(!f.all.contains("PL1: Buckling"));
    QVERIFY(!f.all.contains("PLATE SCANTLING:"));
}

void ReportTest::resultsBreakOntoPagesWithTheirHeader() {
    const Case c = Calculated([](Case& c) {
        c.CheckMode = 3;
        c.InclDeform = 1;
    });
    const Printed p = Print(c, 3);
    QCOMPARE(p.pages.size(), 2);
    QVERIFY(Numbered(p.pages));
    for (const QString& page : p.pages) {
        QVERIFY(page.contains("Scantling of Plate/Stiff/Girder based on ABS Offshore Structures Date: 2024-05-17"));
        QVERIFY(page.contains("File: New File\nProject: Project\nIdentification: Test"));
        QVERIFY(page.contains(QString("VELTAR 1.8 New File tables %1 page").arg(kFingerprint)));
    }
    QVERIFY(p.pages[1].contains("(Rule/Yield: ABS, Mobile Offshore Drilling Units"));
}

// Every result line wrapped over several rows: the report runs over more pages,
// each with its header and footer, and every line is printed once.
void ReportTest::manyLinesLoseNothing() {
    Case c = Calculated([](Case& c) { c.CheckMode = 3; });
    ResultLine* lines[] = {&c.PlateBucklingLine, &c.PlateUltimateLine,  &c.PlateLateralLine, &c.StiffBeamColumnLine,
                           &c.StiffTorsionLine,  &c.StiffStiffnessLine, &c.GirderLine,       &c.PlateScantlingLine,
                           &c.StiffSMLine,       &c.GirderSMLine,       &c.GirderDepthLine,  &c.GirderWebLine,
                           &c.TrippingLine,      &c.PlateYieldLine,     &c.StiffYieldPLine,  &c.StiffYieldSLine};
    int n = 0;
    for (ResultLine* line : lines) {
        line->Title = QString("Check%1: UF =").arg(++n, 2, 10, QChar('0')).toStdString();
        line->Formula = QString("(1.0+2.0)*3.0 ").repeated(40).toStdString() + "=";
    }
    const Printed p = Print(c, 3);
    QVERIFY2(p.pages.size() >= 3, qPrintable(QString("%1 pages").arg(p.pages.size())));
    QVERIFY(Numbered(p.pages));
    for (int i = 1; i <= n; ++i) QCOMPARE(p.all.count(QString("Check%1: UF =").arg(i, 2, 10, QChar('0'))), 1);
    QCOMPARE(p.all.count("(1.0+2.0)*3.0"), 40 * n);
}

// On A5 the input blocks of page 1 do not fit one page: each block that would
// pass the last row moves whole onto the next page, under its header.
void ReportTest::smallPagesKeepEveryBlock() {
    const Case c = Calculated([](Case& c) { c.CheckMode = 3; });
    const QString path = dir_.filePath("a5.pdf");
    {
        QPdfWriter pdf(path);
        pdf.setResolution(300);
        pdf.setPageSize(QPageSize(QPageSize::A5));
        QVERIFY(PrintReportDocument(pdf, c, tables_, {3, QDateTime::currentDateTime(), kFingerprint}).ok);
    }
    QStringList pages;
    for (const QString& page : PdfPages(path)) pages << SqueezedLines(page).join('\n');
    QVERIFY2(pages.size() >= 3, qPrintable(QString("%1 pages").arg(pages.size())));
    QVERIFY(Numbered(pages));
    const QString all = pages.join('\n');
    for (const char* text :
         {"Material:", "Youngs modulus: E = 2.06E+5 MPa", "Geometry:", "Lt = 3000 mm", "ps = 0.030 MPa (Scantling)",
          "Girder: T 800x200x10.0x20.0", "tw = 10.0 mm tf = 20.0 mm", "Point 1s: UF ="})
        QVERIFY2(all.contains(text), text);
}

// SHA-256 of "abc" split over the five tables, and a missing table.
void ReportTest::fingerprintOfTheTables() {
    QTemporaryDir tables;
    const char* parts[][2] = {
        {"lprof.dat", "a"}, {"tprof.dat", "b"}, {"fprof.dat", "c"}, {"bfprof.dat", ""}, {"ABSmat.dat", ""}};
    for (const auto& [name, text] : parts) {
        QFile f(tables.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QCOMPARE(TableFingerprint(tables.path().toStdString()), QString("ba7816bf8f01"));
    QVERIFY(QFile::remove(tables.filePath("fprof.dat")));
    QCOMPARE(TableFingerprint(tables.path().toStdString()), QString());
}

QTEST_MAIN(ReportTest)
#include "report_test.moc"
