// The report's order: page 1 with the header and the input blocks, then the
// results of the print mode, or the fault text of a run that did not complete.
#include "output/report.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

#include "output/reportblocks.h"
#include "output/reportsheet.h"

namespace veltar {
namespace {

// Resolution of the PDF: fine enough for the text grid, coarse enough that the
// figures' one-pixel lines stay visible.
constexpr int kPdfDpi = 300;
constexpr double kPdfMarginMm = 6;

QString Footer(const Case& c, const ReportOptions& o) {
    QString text = "VELTAR 1.8    " + QFileInfo(QString::fromStdString(c.FileName)).fileName();
    if (!o.tableFingerprint.isEmpty()) text += "    tables " + o.tableFingerprint;
    return text;
}

void LayOutReport(ReportSheet& s, const std::shared_ptr<const Case>& c, const Tables& tables, const ReportOptions& o) {
    s.StartPages([c, at = o.printedAt](ReportSheet& sheet, int page) { PrintPageHeader(sheet, *c, at, page); });
    PrintMaterialBlock(s, *c, tables);
    PrintGeometryBlock(s, c, o.PrintMode);
    PrintProfileBlock(s, c);
    s.LineY += 0.5;
    // The result lines of an earlier run would read as results of this input.
    if (!c->FaultText.empty()) {
        PrintFault(s, s.LeftMargin, *c);
        return;
    }
    if (o.PrintMode != 2) PrintBucklingResults(s, s.LeftMargin, *c);
    if (o.PrintMode != 1) PrintScantlingResults(s, s.LeftMargin, *c);
}

}  // namespace

Report::Report(const Case& c, const Tables& tables, const ReportOptions& options, const QPaintDevice& device)
    : sheet_(std::make_unique<ReportSheet>(device, Footer(c, options))) {
    LayOutReport(*sheet_, std::make_shared<const Case>(c), tables, options);
}

Report::~Report() = default;

int Report::PageCount() const { return sheet_->PageCount(); }

void Report::PaintPage(QPainter& p, int index) const { sheet_->Paint(p, index); }

Status PrintReportDocument(QPagedPaintDevice& device, const Case& c, const Tables& tables,
                           const ReportOptions& options) {
    const Report report(c, tables, options, device);
    QPainter painter;
    if (!painter.begin(&device)) return Status::Error("the document could not be started on the printer");
    for (int i = 0; i < report.PageCount(); ++i) {
        if (i > 0 && !device.newPage())
            return Status::Error("the printer could not start page " + std::to_string(i + 1));
        report.PaintPage(painter, i);
    }
    if (!painter.end()) return Status::Error("the printer could not finish the document");
    return Status::Ok();
}

// Written through a save file: a failed report leaves no half-written PDF and
// keeps an older one.
Status WriteReportPdf(const QString& path, const Case& c, const Tables& tables, const ReportOptions& options) {
    const std::string failure = "can't save file - " + path.toStdString() + ": ";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return Status::Error(failure + file.errorString().toStdString());
    QPdfWriter pdf(&file);
    pdf.setResolution(kPdfDpi);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                                  QPageLayout::Millimeter));
    pdf.setCreator("VELTAR 1.8");
    pdf.setTitle("VELTAR report: " + QString::fromStdString(c.FileName));
    const Status printed = PrintReportDocument(pdf, c, tables, options);
    if (!printed) return Status::Error(failure + printed.message);
    if (!file.commit()) return Status::Error(failure + file.errorString().toStdString());
    return Status::Ok();
}

}  // namespace veltar
