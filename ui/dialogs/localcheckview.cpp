// Two lines with half a line between them, as the box is high enough for.
#include "ui/dialogs/localcheckview.h"

#include <QFontMetricsF>
#include <QPainter>

namespace veltar {

LocalCheckView::LocalCheckView(QWidget* parent) : QWidget(parent) {
    setObjectName("pic2");
    const QFontMetricsF fm(font());
    setMinimumHeight(int(3.5 * fm.height()));
}

void LocalCheckView::Show(const LocalSlenderness& lines) {
    lines_ = lines;
    update();
}

void LocalCheckView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QFontMetricsF fm(font(), this);
    DrawLocalCheck(p, 0.25 * fm.height(), fm.horizontalAdvance(' '), 1.5 * fm.height(), lines_);
}

}  // namespace veltar
