// The figure box pic1 of a profile dialog: the stored drawing of the kind, kept to
// its proportions, or the section to scale on its plate strip inside a border.
// It keeps what it shows, so a dialog whose kind is no longer the case's own still
// shows its own profile.
#pragma once

#include <QFrame>
#include <QString>

#include "core/case.h"

class QSvgRenderer;

namespace veltar {

class SectionView : public QFrame {
    Q_OBJECT
public:
    explicit SectionView(QWidget* parent = nullptr);

    // The drawing ":/pictures/<name>.svg".
    void ShowDrawing(const QString& name);
    // The section to scale; an outline of zero height leaves the bordered box empty.
    void ShowToScale(const StiffOutline& outline, i16 kind);
    bool ToScale() const { return toScale_; }
    const StiffOutline& Outline() const { return outline_; }
    i16 Kind() const { return kind_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QSvgRenderer* svg_;
    QString drawing_;
    bool toScale_ = false;
    StiffOutline outline_;
    i16 kind_ = 0;
};

}  // namespace veltar
