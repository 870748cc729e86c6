// Local slenderness lines. A ratio exactly at its limit passes; the web's
// reference keeps the capital "Ch" of a pass as the rules book prints it.
#include "output/localcheck.h"

#include <QFontMetricsF>

namespace veltar {
namespace {

const QColor kPass(0, 128, 0);
const QColor kFail(128, 0, 0);

// Draws text with its top-left at (x, y) and returns the x after it.
double Piece(QPainter& p, double x, double y, const QString& text, bool bold, const QColor& colour) {
    QFont font = p.font();
    font.setBold(bold);
    p.setFont(font);
    p.setPen(colour);
    const QFontMetricsF fm(font, p.device());
    p.drawText(QPointF(x, y + fm.ascent()), text);
    return x + fm.horizontalAdvance(text);
}

void Line(QPainter& p, double x, double y, const std::string& text, bool fails, const char* passRef,
          const char* failRef) {
    x = Piece(p, x, y, QString::fromStdString(text), false, Qt::black);
    x = Piece(p, x, y, fails ? " NOK" : " OK", true, fails ? kFail : kPass);
    Piece(p, x, y, fails ? failRef : passRef, false, Qt::black);
}

bool Shown(const std::string& text) { return text != " " && !text.empty(); }

}  // namespace

int LocalCheckLines(const Case& c) { return int(Shown(c.FlangeRatioText)) + int(Shown(c.WebRatioText)); }

LocalSlenderness LocalSlendernessOf(const Case& c) {
    return {c.FlangeRatioText, c.WebRatioText, c.FlangeRatio, c.FlangeRatioMax, c.WebRatio, c.WebRatioMax};
}

double DrawLocalCheck(QPainter& p, double y, double x, double rowStep, const Case& c) {
    return DrawLocalCheck(p, y, x, rowStep, LocalSlendernessOf(c));
}

double DrawLocalCheck(QPainter& p, double y, double x, double rowStep, const LocalSlenderness& s) {
    p.save();
    if (Shown(s.flangeText)) {
        Line(p, x, y, s.flangeText, s.flange > s.flangeMax, " (ch 9.7)", " (ch 9.7)");
        y += rowStep;
    }
    if (Shown(s.webText)) {
        Line(p, x, y, s.webText, s.web > s.webMax, " (Ch 9.9)", " (ch 9.9)");
        y += rowStep;
    }
    p.restore();
    return y;
}

}  // namespace veltar
