// One documentation page: a Markdown file with a short header block that names its
// index keywords and the help topics (F1 identifiers) it answers.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace docgen {

// Identifiers answered by one place of a page; an empty anchor is the page's top.
struct Topic {
    QString anchor;
    QStringList ids;
};

struct Page {
    QString path;  // source file, for messages
    QString name;  // file name without ".md": the page is written as name + ".html"
    QString title;
    QStringList keywords;
    QList<Topic> topics;
    QString markdown;  // the body, header block removed
    int bodyLine = 1;  // line of the source where the body starts
};

// Reads a page. The header block is the run of "Keywords:" and "Topics:" lines at the
// top; the body's first "# " heading is the title. Returns false with a message
// naming the file and line.
bool ReadPage(const QString& path, Page& page, QString& error);

// The place of a heading in a page, as the HTML anchor written for it.
QString Slug(const QString& heading);

}  // namespace docgen
