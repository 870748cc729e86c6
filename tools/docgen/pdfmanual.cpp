// Printed through QTextDocument::print, which paginates a copy of the document with
// a 2 cm margin and a page number at the foot.
#include "pdfmanual.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "render.h"

namespace docgen {
namespace {

QString WithoutPageLinks(QString markdown) {
    static const QRegularExpression link("\\[([^\\]]*)\\]\\([\\w-]+\\.html(#[^)]*)?\\)");
    return markdown.replace(link, "\\1");
}

void BreakBeforeChapters(QTextDocument& doc) {
    bool first = true;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() != 1) continue;
        if (first) {
            first = false;
            continue;
        }
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
    }
}

}  // namespace

bool WritePdfManual(const QString& title, const QList<Page>& pages, const QString& out, QString& error) {
    QStringList parts;
    for (const Page& page : pages) parts << WithoutPageLinks(page.markdown);
    QTextDocument doc;
    LoadMarkdown(doc, parts.join("\n\n"));
    BreakBeforeChapters(doc);
    if (!QDir().mkpath(QFileInfo(out).absolutePath())) {
        error = "can't create the folder of " + out;
        return false;
    }
    {
        QPdfWriter writer(out);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        writer.setTitle(title);
        writer.setCreator("VELTAR");
        doc.print(&writer);
    }
    if (QFileInfo(out).size() == 0) {
        error = "can't write " + out;
        return false;
    }
    return true;
}

}  // namespace docgen
