// The panel figure box pic21: paints the figure of the shown case, scaled to fit.
#pragma once

#include <QWidget>

#include "core/case.h"

namespace veltar {

class PanelView : public QWidget {
public:
    explicit PanelView(const Case& c, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const Case& case_;
};

}  // namespace veltar
