// Print commands. A cancelled dialog ends a command silently; every other
// failure (no printer, a failed job, an unwritable PDF) is reported with its cause.
#include "ui/printactions.h"

#include <QAction>
#include <QDateTime>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

#include "output/report.h"
#include "output/tablefingerprint.h"
#include "ui/mainwindow.h"
#include "ui/userio.h"

namespace veltar {
namespace {

// The same resolution as the PDF file, so that both come out alike.
constexpr int kPrintDpi = 300;

class PlatformPrinter : public PrintTarget {
public:
    PlatformPrinter() { printer_.setResolution(kPrintDpi); }

    // Copies are printed as documents of their own, so the printer is asked for
    // one each; pages are always printed whole and a selection means nothing here.
    int ChooseCopies(QWidget* parent) override {
        QPrintDialog dialog(&printer_, parent);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
        if (dialog.exec() != QDialog::Accepted) return 0;
        const int copies = std::max(1, printer_.copyCount());
        printer_.setCopyCount(1);
        return copies;
    }
    QPagedPaintDevice& NextDocument() override { return printer_; }
    QString DocumentProblem() override {
        if (!printer_.isValid()) return "no printer is available";
        if (printer_.printerState() == QPrinter::Error) return "the printer reported an error";
        if (printer_.printerState() == QPrinter::Aborted) return "the print job was aborted";
        return {};
    }

private:
    QPrinter printer_{QPrinter::HighResolution};
};

// The project file's name with ".pdf", offered in the project's folder.
FileDialogSettings PdfDialog(const Case& c) {
    const QFileInfo project(QString::fromStdString(c.FileName));
    const QString folder = project.path() == "." ? QString::fromStdString(c.AppPath) : project.path();
    return {"Save as PDF", project.completeBaseName() + ".pdf", "pdf", folder, true};
}

}  // namespace

PrintActions::PrintActions(MainWindow& window, const MainMenus& menus, const std::string& dataDir)
    : QObject(&window),
      window_(window),
      fingerprint_(TableFingerprint(dataDir)),
      target_(std::make_unique<PlatformPrinter>()) {
    const i16 modes[] = {1, 2, 3, 1, 2, 3};
    for (size_t i = 0; i < menus.print.size(); ++i)
        connect(menus.print[i], &QAction::triggered, this, [this, mode = modes[i]] { Print(mode); });
    connect(menus.savePdf, &QAction::triggered, this, &PrintActions::SaveAsPdf);
}

PrintActions::~PrintActions() = default;

void PrintActions::Print(i16 mode) {
    Case& c = window_.CaseRecord();
    c.CheckMode = mode;
    window_.ShowCaseAndCalculate();
    const ReportOptions options{mode, QDateTime::currentDateTime(), fingerprint_};
    const int copies = target_->ChooseCopies(&window_);
    for (int copy = 1; copy <= copies; ++copy) {
        const Status printed = PrintReportDocument(target_->NextDocument(), c, window_.TableSet(), options);
        QString problem = target_->DocumentProblem();
        if (problem.isEmpty() && !printed) problem = QString::fromStdString(printed.message);
        if (!problem.isEmpty()) {
            window_.IO().Warn("The report could not be printed: " + problem);
            return;
        }
    }
}

void PrintActions::SaveAsPdf() {
    const Case& c = window_.CaseRecord();
    const QString path = window_.IO().SavePath(PdfDialog(c));
    if (path.isEmpty()) return;
    const ReportOptions options{c.CheckMode, QDateTime::currentDateTime(), fingerprint_};
    const Status written = WriteReportPdf(path, c, window_.TableSet(), options);
    if (!written) window_.IO().Warn(QString::fromStdString(written.message));
}

}  // namespace veltar
