// The panel figure box pic21: paints the figure of the shown case, scaled to fit.
#pragma once

#include <QWidget>

#include "core/case.h"
#include "output/panelfigure.h"

namespace veltar {

class PanelView : public QWidget {
public:
    explicit PanelView(const Case& c, QWidget* parent = nullptr);

    // The size the window's arrangement gives the figure; a layout may shrink it
    // to a small minimum, so that the figure never decides how narrow its frame can be.
    void SetPreferredSize(QSize size);
    // Repaints the figure when the loads it shows have changed since the last call.
    void ShowCase();
    QSize sizeHint() const override { return preferred_; }
    QSize minimumSizeHint() const override { return {48, 32}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const Case& case_;
    QSize preferred_{320, 208};
    PanelLoads shown_;
};

}  // namespace veltar
