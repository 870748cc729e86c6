// What the window asks of the user: warnings and file paths. The window talks to
// this interface only, so tests answer it without a modal box.
#pragma once

#include <QString>

#include <memory>

class QFileDialog;
class QWidget;

namespace veltar {

struct FileDialogSettings {
    QString title;
    QString initialName;    // "*.velta" lists project files
    QString defaultSuffix;  // appended when the typed name has none
    QString startFolder;    // empty: the dialog's own choice
    bool confirmOverwrite = false;
};

// Answers to "Save changes to ...?".
enum class SaveAnswer { Save, Discard, Cancel };

// A long task's progress as the user sees it.
class Progress {
public:
    virtual ~Progress() = default;
    // `done` of the total; false once the user has cancelled.
    virtual bool Step(int done) = 0;
};

class UserIO {
public:
    virtual ~UserIO() = default;
    // Modal warning with the exclamation icon, an OK button and the title "VELTAR".
    virtual void Warn(const QString& text) = 0;
    // The chosen path, or an empty text when the user cancelled.
    virtual QString OpenPath(const FileDialogSettings& def) = 0;
    virtual QString SavePath(const FileDialogSettings& def) = 0;
    // Asked before an edited case is replaced or dropped; `name` is its file name.
    virtual SaveAnswer AskSaveChanges(const QString& name) = 0;
    // Progress of `total` steps, shown once they take more than about 0.3 s.
    virtual std::unique_ptr<Progress> StartProgress(const QString& text, int total) = 0;
};

// The real boxes and dialogs.
class QtUserIO : public UserIO {
public:
    explicit QtUserIO(QWidget* parent) : parent_(parent) {}
    void Warn(const QString& text) override;
    QString OpenPath(const FileDialogSettings& def) override;
    QString SavePath(const FileDialogSettings& def) override;
    SaveAnswer AskSaveChanges(const QString& name) override;
    std::unique_ptr<Progress> StartProgress(const QString& text, int total) override;

private:
    QWidget* parent_;
};

// The dialog as a command sets it up: the name filter lists the files of the default
// extension whatever name is pre-filled.
void ConfigureFileDialog(QFileDialog& dialog, const FileDialogSettings& def, bool save);

}  // namespace veltar
