// What the window asks of the user: warnings and file paths. The window talks to
// this interface only, so tests answer it without a modal box.
#pragma once

#include <QString>

class QWidget;

namespace veltar {

struct FileDialogSettings {
    QString title;
    QString initialName;    // "*.velta" lists project files
    QString defaultSuffix;  // appended when the typed name has none
    QString startFolder;    // empty: the dialog's own choice
    bool confirmOverwrite = false;
};

class UserIO {
public:
    virtual ~UserIO() = default;
    // Modal warning with the exclamation icon, an OK button and the title "VELTAR".
    virtual void Warn(const QString& text) = 0;
    // The chosen path, or an empty text when the user cancelled.
    virtual QString OpenPath(const FileDialogSettings& def) = 0;
    virtual QString SavePath(const FileDialogSettings& def) = 0;
};

// The real boxes and dialogs.
class QtUserIO : public UserIO {
public:
    explicit QtUserIO(QWidget* parent) : parent_(parent) {}
    void Warn(const QString& text) override;
    QString OpenPath(const FileDialogSettings& def) override;
    QString SavePath(const FileDialogSettings& def) override;

private:
    QWidget* parent_;
};

}  // namespace veltar
