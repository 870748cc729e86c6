// Report pages: the grid from the body font's metrics, page breaks, recorded
// drawing and the footer.
#include "output/reportsheet.h"

#include <QFontMetricsF>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>

namespace veltar {
namespace {

constexpr double kBodyPoints = 10;
constexpr double kFooterPoints = 8;
// The body ends two rows above the foot of the grid; the footer takes the rest.
constexpr double kFooterRows = 2;

}  // namespace

ReportSheet::ReportSheet(const QPaintDevice& device, QString footer) : device_(device), footer_(std::move(footer)) {
    const QFontMetricsF fm(Font({}), &device);
    const double width = std::max(1, device.width()), height = std::max(1, device.height());
    CharsPerLine = std::max(1.0, std::floor(width / fm.horizontalAdvance("SmGasdfghjklpoiuytre") * 20));
    LinesPerPage = std::max(kFooterRows + 4, std::floor(0.9 * height / fm.height()));
    LeftMargin = 0.1 * CharsPerLine;
    RightEdge = std::floor(0.95 * CharsPerLine);
    W = std::floor(RightEdge - LeftMargin);
    LeftCol = LeftMargin;
    RightCol = LeftMargin + W / 2;
    colWidth_ = width / CharsPerLine;
    rowHeight_ = height / LinesPerPage;
}

void ReportSheet::StartPages(PageHeader header) {
    header_ = std::move(header);
    NewPage();
}

void ReportSheet::NewPage() {
    pages_.emplace_back();
    LineY = 2;
    if (header_) header_(*this, PageCount());
    bodyTop_ = LineY;
}

void ReportSheet::Reserve(double rows) {
    if (LineY > bodyTop_ && LineY + rows > LinesPerPage - kFooterRows) NewPage();
}

QFont ReportSheet::Font(const TextStyle& style) const {
    QFont font(style.sans ? "Arial" : "times new roman");
    font.setPointSizeF(style.points > 0 ? style.points : kBodyPoints);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

double ReportSheet::TextWidth(const QString& text, const TextStyle& style) const {
    return QFontMetricsF(Font(style), &device_).horizontalAdvance(text) / colWidth_;
}

double ReportSheet::Text(double x, double y, const QString& text, const TextStyle& style) {
    const QFont font = Font(style);
    const QPointF at = ToDevice(x, y) + QPointF(0, QFontMetricsF(font, &device_).ascent());
    const QColor colour = style.colour;
    Draw([font, at, colour, text](QPainter& p) {
        p.setFont(font);
        p.setPen(colour);
        p.drawText(at, text);
    });
    return x + TextWidth(text, style);
}

void ReportSheet::Rule(double y) {
    const QPointF a = ToDevice(LeftMargin, y), b = ToDevice(RightEdge - LeftMargin, y);
    const double width = std::max(1.0, device_.logicalDpiX() / 96.0);
    Draw([a, b, width](QPainter& p) {
        p.setPen(QPen(Qt::black, width));
        p.drawLine(a, b);
    });
}

void ReportSheet::Figure(const QRectF& grid, std::function<void(QPainter&, const QRectF&)> draw) {
    const QRectF box(ToDevice(grid.left(), grid.top()), ToDevice(grid.right(), grid.bottom()));
    // Figures label in a plain face, whatever text came before them.
    const QFont plain = Font({.sans = true});
    Draw([box, plain, draw = std::move(draw)](QPainter& p) {
        p.save();
        p.setFont(plain);
        p.setPen(Qt::black);
        draw(p, box);
        p.restore();
    });
}

void ReportSheet::Draw(Drawing drawing) { pages_.back().push_back(std::move(drawing)); }

void ReportSheet::Paint(QPainter& p, int index) const {
    if (index < 0 || index >= PageCount()) return;
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing, true);
    for (const Drawing& d : pages_[size_t(index)]) d(p);
    PaintFooter(p, index);
    p.restore();
}

void ReportSheet::PaintFooter(QPainter& p, int index) const {
    const QFont font = Font({.points = kFooterPoints, .sans = true});
    const QFontMetricsF fm(font, &device_);
    const double y = LinesPerPage - kFooterRows + 0.5;
    p.setPen(QPen(Qt::gray, std::max(1.0, device_.logicalDpiX() / 192.0)));
    p.drawLine(ToDevice(LeftMargin, y), ToDevice(RightEdge, y));
    p.setFont(font);
    p.setPen(Qt::black);
    const double base = (y + 0.3) * rowHeight_ + fm.ascent();
    p.drawText(QPointF(LeftMargin * colWidth_, base), footer_);
    const QString page = QString("page %1 of %2").arg(index + 1).arg(PageCount());
    p.drawText(QPointF(RightEdge * colWidth_ - fm.horizontalAdvance(page), base), page);
}

}  // namespace veltar
