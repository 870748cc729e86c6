// Focus colour, selection and key routing of the window's text boxes.
#include "ui/inputbox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

namespace veltar {

InputBox::InputBox(const QString& name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    SetBackground(Qt::white);
}

void InputBox::SetBackground(const QColor& colour) {
    QPalette pal = palette();
    pal.setColor(QPalette::Base, colour);
    setPalette(pal);
}

void InputBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    SetBackground(QColor(255, 255, 192));
    // A mouse click would place the cursor after this event; select once it has.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) selectAll();
    });
}

void InputBox::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    // White whatever took the focus: a box whose window loses the focus to a message
    // may never hear of it again, when the window later hands its focus to another box.
    SetBackground(Qt::white);
    // Opening a menu or a message box is not leaving the box: the value is stored
    // when the user really moves on, so a message never triggers another one.
    if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason) return;
    emit left();
}

void InputBox::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (navigator_ && navigator_(e->key())) return;
            // Enter is swallowed even where it leads nowhere.
            if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return;
            break;
        default: break;
    }
    QLineEdit::keyPressEvent(e);
}

}  // namespace veltar
