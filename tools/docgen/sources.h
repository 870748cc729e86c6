// What the pages quote from the program's own output: the JSON of a calculation and
// a case table with its result table. Placeholders "{{...}}" in a page are replaced
// by these values, so the documents show what the program computes today.
#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include "page.h"

namespace docgen {

struct Sources {
    QJsonObject calc;            // veltar-cli calc --json
    QList<QStringList> cases;    // the case table, one list of cells per line
    QList<QStringList> results;  // its result table
};

// Reads the files named on the command line; empty paths are skipped.
bool ReadSources(const QString& calcJson, const QString& caseTable, const QString& resultTable, Sources& src,
                 QString& error);

// Replaces every placeholder of the page:
//   {{UFpb:2}}, {{lines.GirderLine.Formula}}  a value of the calculation (a bare name is a field;
//                                            ":N" fixed decimals, ":eN" scientific, none: 7 digits)
//   {{rows}}                                  the result list as a table
//   {{case:LINE:CELL}}, {{result:LINE:CELL}}  a cell of the case or result table (from 0)
//   {{case-text}}                             the case table's lines, TAB shown as an arrow
// An unknown placeholder is an error naming the page and line.
bool Substitute(Page& page, const Sources& src, QString& error);

}  // namespace docgen
