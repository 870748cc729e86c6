// Unlike a box of the main window, which reads text without a number as 0, a range box
// holds a number or is refused: a range that silently starts at 0 would mislead.
#include "ui/tools/rangebox.h"

#include <QLineEdit>

#include <charconv>
#include <cmath>
#include <string>

#include "core/parse.h"

namespace veltar {

std::optional<double> RangeNumber(const QLineEdit& box) {
    std::string text = box.text().trimmed().toStdString();
    for (char& ch : text)
        if (ch == ',') ch = '.';
    if (!IsDecimal(text)) return std::nullopt;
    double v = 0;
    const char* first = text.data() + (text[0] == '+' ? 1 : 0);
    if (std::from_chars(first, text.data() + text.size(), v).ec != std::errc() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString NotANumber(const QString& caption, const QLineEdit& box) {
    return QString("%1 \"%2\" is not a number").arg(caption, box.text());
}

}  // namespace veltar
