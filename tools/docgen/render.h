// Markdown into a text document, the same way for the help pages and the manuals.
#pragma once

#include <QString>

#include "page.h"

class QTextDocument;

namespace docgen {

// Loads `markdown` with the documents' fonts; every heading gets an anchor named
// by its Slug, so topics and links can point into a page.
void LoadMarkdown(QTextDocument& doc, const QString& markdown);

// The page as a complete HTML file.
QString PageHtml(const Page& page);

}  // namespace docgen
