// Scales the figure's own units to the box, keeping its proportions and centring it.
#include "ui/panelview.h"

#include <QPainter>

#include <algorithm>

namespace veltar {

PanelView::PanelView(const Case& c, QWidget* parent) : QWidget(parent), case_(c) {
    setObjectName("pic21");
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void PanelView::SetPreferredSize(QSize size) {
    if (size == preferred_) return;
    preferred_ = size;
    updateGeometry();
}

void PanelView::ShowCase() {
    const PanelLoads loads = PanelLoadsOf(case_);
    if (loads == shown_) return;
    shown_ = loads;
    update();
}

void PanelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double scale = std::min(width() / kPanelFigureWidth, height() / kPanelFigureHeight);
    painter.translate((width() - scale * kPanelFigureWidth) / 2, (height() - scale * kPanelFigureHeight) / 2);
    painter.scale(scale, scale);
    DrawPanel(painter, 0, 0, case_);
}

}  // namespace veltar
