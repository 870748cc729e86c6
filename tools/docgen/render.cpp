// Fonts are named explicitly: the tool runs on a headless build machine, whose
// default font is whatever the offscreen platform picks.
#include "render.h"

#include <QFont>
#include <QFontDatabase>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace docgen {
namespace {

void AnchorHeadings(QTextDocument& doc) {
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0 || block.text().isEmpty()) continue;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat anchor;
        anchor.setAnchor(true);
        anchor.setAnchorNames({Slug(block.text())});
        cursor.mergeCharFormat(anchor);
    }
}

// Markdown tables come without cell padding or rules; they read as ruled tables.
void RuleTables(QTextDocument& doc) {
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextCursor cursor(block);
        QTextTable* table = cursor.currentTable();
        if (!table || table->cellAt(cursor).row() != 0 || table->cellAt(cursor).column() != 0) continue;
        QTextTableFormat format = table->format();
        format.setBorder(0.5);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderCollapse(true);
        format.setCellPadding(3);
        table->setFormat(format);
    }
}

}  // namespace

void LoadMarkdown(QTextDocument& doc, const QString& markdown) {
    doc.setDefaultFont(QFont("DejaVu Sans", 10));
    doc.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    AnchorHeadings(doc);
    RuleTables(doc);
}

QString PageHtml(const Page& page) {
    QTextDocument doc;
    LoadMarkdown(doc, page.markdown);
    doc.setMetaInformation(QTextDocument::DocumentTitle, page.title);
    return doc.toHtml();
}

}  // namespace docgen
