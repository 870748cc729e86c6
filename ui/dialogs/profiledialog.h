// What the twelve profile dialogs share: the frames with the property labels, the
// local slenderness check, the figure with its scale toggle and the OK button;
// activation making the dialog's kind the case's own; closing with its checks.
// Modeless and owned by the main window; deleted when closed.
#pragma once

#include <QDialog>

#include <functional>
#include <vector>

#include "core/case.h"
#include "profiles/tables.h"
#include "ui/dialogs/dialogtable.h"

class QGridLayout;
class QLabel;

namespace veltar {

class LocalCheckView;
class MainWindow;
class SectionView;

class ProfileDialog : public QDialog {
    Q_OBJECT
public:
    ProfileDialog(MainWindow& main, const DialogDef& def);

    const DialogDef& Def() const { return def_; }
    // Activated at least once since it opened, so it shows the case.
    bool HasActivated() const { return activations_ > 0; }
    bool IsClosed() const { return closed_; }
    // The dialog's kind is the case's stiffener (or girder) kind.
    bool IsCurrent() const;
    // The case into the labels, the local check, the figure and the inputs (an edit
    // not yet taken stays).
    void Refresh();
    // Closes without the closing checks and without a calculation: the case it
    // showed has been replaced.
    void Discard();
    // Centred vertically on the main window, a tenth of the free width from its left.
    void PlaceOver(const QWidget& main);

protected:
    // The dialog's kind becomes the case's own and its section is formed.
    virtual void MakeCurrent() = 0;
    // The section of the case's current kind is formed again.
    virtual void Recompute() = 0;
    // `refill`: the dialog has just been activated.
    virtual void ShowInputs(bool refill) = 0;
    // Values still in the boxes are taken and checked before the dialog closes.
    virtual void TakeOnClosing() {}

    // Lays out the dialog; `inputs` adds the family's rows to the profile frame.
    void Build(const std::function<void(QGridLayout&, int&)>& inputs);
    // After a value was taken: the section, then the whole calculation.
    void Changed();
    void Warn(const QString& text);
    Case& C() const;
    const Tables& T() const;

    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void Activated();
    void FlipScale();
    void DrawFigure();
    QWidget* BuildFigureColumn();

    MainWindow& main_;
    const DialogDef& def_;
    std::vector<QLabel*> labels_;  // in the order of PropertyTexts
    SectionView* figure_ = nullptr;
    QLabel* scaleLabel_ = nullptr;
    LocalCheckView* localCheck_ = nullptr;
    int activations_ = 0;
    int warnings_ = 0;
    bool closing_ = false;
    bool closed_ = false;
    bool discarding_ = false;
};

}  // namespace veltar
