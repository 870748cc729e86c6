// The page header: product, title, version, date and time, page, file, project
// and identification between two rules.
#include "output/reportblocks.h"

#include <cmath>

namespace veltar {

TextStyle Heading(double points) { return {.points = points, .bold = true, .italic = true, .underline = true}; }

void PrintPageHeader(ReportSheet& s, const Case& c, const QDateTime& printedAt, int page) {
    const TextStyle body;
    s.Text(s.LeftMargin, s.LineY, "VELTAR", {.points = 18, .bold = true, .colour = HeadColour, .sans = true});
    const QString date = "Date: " + printedAt.toString("yyyy-MM-dd");
    const double r = std::floor(s.RightEdge - s.TextWidth(date, body));
    s.Text(r, s.LineY + 0.5, "Page: " + QString::number(page), body);
    s.LineY += 2;
    const bool both = c.CheckMode >= 3;
    s.Text(s.LeftMargin, s.LineY,
           both ? "Scantling of Plate/Stiff/Girder based on ABS Offshore Structures"
                : "Plate/Stiff/Girder check based on ABS Offshore Structures",
           {.points = 11});
    s.Text(r, s.LineY, date, body);
    s.LineY += 1;
    s.Text(s.LeftMargin, s.LineY, "Version 1.8", body);
    s.Text(r, s.LineY, "Time: " + printedAt.toString("hh:mm"), body);
    s.LineY += 1.2;
    s.Rule(s.LineY);
    s.LineY += 0.5;
    // Paths are printed as they stand: file systems here tell cases apart.
    s.Text(s.LeftMargin, s.LineY, "File: " + QString::fromStdString(c.FileName), body);
    s.LineY += 1;
    s.Text(s.LeftMargin, s.LineY, "Project: " + QString::fromStdString(c.Project), body);
    s.LineY += 1;
    s.Text(s.LeftMargin, s.LineY, "Identification: " + QString::fromStdString(c.Ident), body);
    s.LineY += 1.3;
    s.Rule(s.LineY);
    s.LineY += 0.3;
}

}  // namespace veltar
