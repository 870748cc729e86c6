// The print commands from the window: the six report items with their check
// modes, one document per copy, a cancelled dialog, a failing printer, and
// File/Print/"Save as PDF...".
#include <QAction>
#include <QDir>
#include <QPrinter>
#include <QRadioButton>

#include <tuple>

#include "pdftext.h"
#include "ui/printactions.h"
#include "windowfixture.h"

using namespace veltar;

namespace {

// A printer whose documents are PDF files copy-1.pdf, copy-2.pdf, ... in a folder.
class FilePrinter : public PrintTarget {
public:
    FilePrinter(QString folder, int copies) : folder_(std::move(folder)), copies_(copies) {}
    int ChooseCopies(QWidget*) override { return copies_; }
    QPagedPaintDevice& NextDocument() override {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(QDir(folder_).filePath(QString("copy-%1.pdf").arg(++documents)));
        return *printer_;
    }
    QString DocumentProblem() override { return {}; }
    int documents = 0;

private:
    QString folder_;
    int copies_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT
private slots:
    void itemsSetTheModeAndPrintEachCopy();
    void failuresAreReported();
    void saveAsPdf();
};

void PrintTest::itemsSetTheModeAndPrintEachCopy() {
    if (!HavePdfToText()) QSKIP("pdftotext (poppler-utils) is not installed; the PDF cannot be read back");
    // Item, check mode, option button and copies (0: the dialog was cancelled).
    const std::tuple<const char*, i16, const char*, int> rows[] = {
        {"mnuprSc1", 3, "optBuckling3", 3},          {"mnuprbu1", 1, "optbuckling1", 1},
        {"mnuprbu2", 2, "optbuckling2", 0},          {"mnuprintbuckling1", 1, "optbuckling1", 1},
        {"mnuprintbuckling2", 2, "optbuckling2", 1}, {"mnuprintScantling1", 3, "optBuckling3", 1},
    };
    WindowFixture f;
    for (const auto& [item, mode, option, copies] : rows) {
        QTemporaryDir out;
        auto printer = std::make_unique<FilePrinter>(out.path(), copies);
        FilePrinter& files = *printer;
        f.window->Prints().SetTarget(std::move(printer));
        f.window->findChild<QAction*>(item)->trigger();
        QCOMPARE(f.c().CheckMode, mode);
        QVERIFY2(f.Get<QRadioButton>(option)->isChecked(), item);
        QCOMPARE(files.documents, copies);
        const QString title = mode == 3 ? "Scantling of Plate/Stiff/Girder" : "Plate/Stiff/Girder check";
        for (int copy = 1; copy <= copies; ++copy) {
            const QStringList pages = PdfPages(out.filePath(QString("copy-%1.pdf").arg(copy)));
            QVERIFY2(!pages.isEmpty() && Squeezed(pages[0]).contains(title), item);
        }
    }
    QVERIFY(f.io.warnings.isEmpty());
}

void PrintTest::failuresAreReported() {
    WindowFixture f;
    f.window->Prints().SetTarget(std::make_unique<FilePrinter>(f.Path("no/such/folder"), 2));
    f.window->findChild<QAction*>("mnuprbu1")->trigger();
    QCOMPARE(f.io.warnings.size(), 1);
    QVERIFY2(f.io.warnings[0].startsWith("The report could not be printed: "), qPrintable(f.io.warnings[0]));

    f.io.nextPath = f.Path("no/such/folder/report.pdf");
    f.window->findChild<QAction*>("mnusavepdf")->trigger();
    QCOMPARE(f.io.warnings.size(), 2);
    QVERIFY2(f.io.warnings[1].startsWith("can't save file - " + f.io.nextPath), qPrintable(f.io.warnings[1]));
    QVERIFY(!QFile::exists(f.io.nextPath));
}

void PrintTest::saveAsPdf() {
    if (!HavePdfToText()) QSKIP("pdftotext (poppler-utils) is not installed; the PDF cannot be read back");
    WindowFixture f;
    f.Get<QRadioButton>("optbuckling2")->click();
    f.io.nextPath = f.Path("case.pdf");
    f.window->findChild<QAction*>("mnusavepdf")->trigger();
    QVERIFY(f.io.warnings.isEmpty());
    const QStringList pages = PdfPages(f.io.nextPath);
    QVERIFY(!pages.isEmpty());
    QVERIFY(Squeezed(pages[0]).contains("PLATE SCANTLING:"));
    QVERIFY(!Squeezed(pages.join(' ')).contains("PLATE BUCKLING CONTROL"));
}

QTEST_MAIN(PrintTest)
#include "print_test.moc"
