// The help pages as HTML files with the Qt help project that qhelpgenerator compiles.
#pragma once

#include <QList>
#include <QString>

#include "page.h"

namespace docgen {

struct ContentsEntry {
    Page page;
    int level = 0;  // depth in the contents tree, 0 at the top
};

// Name of the file, written with the pages, that maps each topic identifier to
// "page.html#anchor"; the help window reads it from the compiled help file.
inline constexpr const char* kTopicsFile = "topics.txt";

// Writes every page as HTML, the topic map and "veltar.qhp" into `outDir`.
// A link to a page that does not exist, or a topic anchor without its heading, is an error.
bool WriteHelpProject(const QList<ContentsEntry>& entries, const QString& outDir, QString& error);

}  // namespace docgen
