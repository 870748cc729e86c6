// The limits here are those the boxes warn about, so the tooltip tells in advance
// what a warning would say afterwards.
#include "ui/boxtips.h"

#include <QWidget>

#include <cmath>

#include "ui/control.h"

namespace veltar {
namespace {

QString Limit(double v) { return QString::number(v, 'g', 10); }

QString Accepted(const BoxSpec& box) {
    const bool low = std::isfinite(box.min), high = std::isfinite(box.max);
    if (!box.HasLimit() || (!low && !high)) return "any value";
    if (low && high) return Limit(box.min) + " to " + Limit(box.max);
    return low ? "at least " + Limit(box.min) : "at most " + Limit(box.max);
}

}  // namespace

QString BoxTip(const FieldDef& field) {
    QString tip = field.name;
    if (*field.unit != '\0') tip += " (" + QString::fromUtf8(field.unit) + ")";
    tip += ": " + QString::fromUtf8(field.meaning);
    return tip + (IsNumeric(field) ? "\nAccepted: " + Accepted(field.box) : "\nAny text without double quotes");
}

void SetBoxTips(QWidget& root) {
    for (const FieldDef& f : CaseFields()) {
        if (!f.box.widget) continue;
        QWidget& box = Control<QWidget>(root, f.box.widget);
        const QString note = box.toolTip();
        box.setToolTip(note.isEmpty() ? BoxTip(f) : BoxTip(f) + "\n" + note);
    }
}

}  // namespace veltar
