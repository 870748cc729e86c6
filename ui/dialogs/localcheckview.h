// The picture box pic2 of a stiffener dialog: the local slenderness lines of web and
// flange, kept as they were last shown.
#pragma once

#include <QWidget>

#include "output/localcheck.h"

namespace veltar {

class LocalCheckView : public QWidget {
public:
    explicit LocalCheckView(QWidget* parent = nullptr);

    // Default values clear the box.
    void Show(const LocalSlenderness& lines);
    const LocalSlenderness& Shown() const { return lines_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    LocalSlenderness lines_;
};

}  // namespace veltar
