// The printed report of one case: page header, the inputs with the panel figure
// and the section to scale, and the result blocks of the print mode, on as many
// pages as they take. One layout serves the printer, the PDF file and the tests.
#pragma once

#include <QDateTime>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>

#include <memory>
#include <string>

#include "core/case.h"
#include "core/status.h"
#include "profiles/tables.h"

namespace veltar {

class ReportSheet;

struct ReportOptions {
    i16 PrintMode = 1;         // 1 buckling, 2 scantling/yield, 3 both
    QDateTime printedAt;       // the date and time in the page header
    QString tableFingerprint;  // printed in every footer
};

class Report {
public:
    // Lays the case out for pages of `device`'s size and resolution. The case
    // is copied: the report stays as it was when the case changes later.
    Report(const Case& c, const Tables& tables, const ReportOptions& options, const QPaintDevice& device);
    ~Report();

    int PageCount() const;
    // One page (from 0) onto a painter of a device like the one laid out for.
    void PaintPage(QPainter& p, int index) const;

private:
    std::unique_ptr<ReportSheet> sheet_;
};

// Every page onto a paged device (a printer, a PDF writer) as one document.
// The message names the cause when the device cannot be painted on.
Status PrintReportDocument(QPagedPaintDevice& device, const Case& c, const Tables& tables,
                           const ReportOptions& options);

// The report as an A4 PDF file with vector text and figures.
Status WriteReportPdf(const QString& path, const Case& c, const Tables& tables, const ReportOptions& options);

}  // namespace veltar
