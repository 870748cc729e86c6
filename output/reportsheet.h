// The report's pages in a grid of character columns and text rows, measured with
// the fonts of the device that will print them. Drawing is recorded per page and
// painted afterwards, so that every footer can name the page count.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>

#include <functional>
#include <vector>

namespace veltar {

struct TextStyle {
    double points = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor colour = Qt::black;
    bool sans = false;  // Arial instead of the body face
};

class ReportSheet {
public:
    using Drawing = std::function<void(QPainter&)>;
    // Called at the top of every page with its number (from 1); it writes the
    // page header and leaves `LineY` below it.
    using PageHeader = std::function<void(ReportSheet&, int page)>;

    // `device` fixes the page size and the resolution of the font metrics;
    // `footer` is the text printed before "page n of m" at the foot of each page.
    ReportSheet(const QPaintDevice& device, QString footer);

    // The grid: `CharsPerLine` columns of the 10-point sample's mean width
    // across the printable width, `LinesPerPage` rows of 1/0.9 text lines down.
    double CharsPerLine = 0, LinesPerPage = 0;
    double LeftMargin = 0, RightEdge = 0, W = 0;
    double LeftCol = 0, RightCol = 0;
    double LineY = 2;

    void StartPages(PageHeader header);
    // A new page (with its header) when `rows` more rows from LineY would pass the
    // last row of the page body; a part longer than a whole body starts where it is.
    void Reserve(double rows);

    QFont Font(const TextStyle& style) const;
    double TextWidth(const QString& text, const TextStyle& style) const;  // in columns
    // Text with its top-left at (x, y); returns the x after it.
    double Text(double x, double y, const QString& text, const TextStyle& style);
    // A rule of line width 1 from LeftMargin to RightEdge - LeftMargin.
    void Rule(double y);
    // A figure in a box of grid units; it gets the box in device units.
    void Figure(const QRectF& grid, std::function<void(QPainter&, const QRectF&)> draw);
    // Any other drawing in device units, with the grid-to-device scales.
    void Draw(Drawing drawing);

    double ColumnWidth() const { return colWidth_; }
    double RowHeight() const { return rowHeight_; }
    QPointF ToDevice(double x, double y) const { return {x * colWidth_, y * rowHeight_}; }

    int PageCount() const { return int(pages_.size()); }
    void Paint(QPainter& p, int index) const;

private:
    void NewPage();
    void PaintFooter(QPainter& p, int index) const;

    const QPaintDevice& device_;
    QString footer_;
    double colWidth_ = 1, rowHeight_ = 1;
    double bodyTop_ = 0;  // LineY below the current page's header
    PageHeader header_;
    std::vector<std::vector<Drawing>> pages_;
};

}  // namespace veltar
