// A text box of the main window: light yellow with the whole text selected while it
// has the focus; Enter and the arrow keys are handed to the window, not the box.
#pragma once

#include <QLineEdit>

#include <functional>

namespace veltar {

class InputBox : public QLineEdit {
    Q_OBJECT
public:
    explicit InputBox(const QString& name, QWidget* parent = nullptr);

    // Handles Enter and the arrow keys (Qt key codes); true when it moved the focus.
    void SetNavigator(std::function<bool(int)> navigator) { navigator_ = std::move(navigator); }

signals:
    // The user moved the focus elsewhere in the window (not to a menu or another window).
    void left();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void SetBackground(const QColor& colour);

    std::function<bool(int)> navigator_;
};

}  // namespace veltar
