// Reading a PDF back as text with poppler's pdftotext, page by page.
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace veltar {

inline bool HavePdfToText() { return !QStandardPaths::findExecutable("pdftotext").isEmpty(); }

// The pages of the file in layout order; empty when it could not be read.
inline QStringList PdfPages(const QString& path) {
    QProcess run;
    run.start("pdftotext", {"-layout", path, "-"});
    if (!run.waitForFinished(30000) || run.exitCode() != 0) return {};
    QStringList pages = QString::fromUtf8(run.readAllStandardOutput()).split('\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

// Runs of blanks as one, so that lines compare regardless of the layout's spacing.
inline QString Squeezed(const QString& text) { return text.simplified(); }

}  // namespace veltar
