// A manual: several pages printed one after another into a PDF file.
#pragma once

#include <QList>
#include <QString>

#include "page.h"

namespace docgen {

// Each page starts on a new sheet; links to help pages become plain text, since the
// PDF stands alone. The pages are numbered at the foot.
bool WritePdfManual(const QString& title, const QList<Page>& pages, const QString& out, QString& error);

}  // namespace docgen
