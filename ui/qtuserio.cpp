// Modal message boxes, the platform's file dialogs and the progress dialog.
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>

#include "ui/userio.h"

namespace veltar {
namespace {

QString RunDialog(QWidget* parent, const FileDialogSettings& def, bool save) {
    QFileDialog dialog(parent);
    ConfigureFileDialog(dialog, def, save);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    // The next dialog's folder is the caller's to keep (AppPath); the process's
    // working folder stays where the program was started.
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

// Steps are reported often; the dialog is told every few of them, which is where it
// handles the Cancel button.
class DialogProgress : public Progress {
public:
    DialogProgress(QWidget* parent, const QString& text, int total)
        : dialog_(text, "Cancel", 0, total, parent), total_(total) {
        dialog_.setWindowTitle("VELTAR");
        dialog_.setWindowModality(Qt::ApplicationModal);
        dialog_.setMinimumDuration(300);
        dialog_.setAutoReset(false);
        dialog_.setValue(0);
    }
    bool Step(int done) override {
        if (done % 64 == 0 || done == total_) dialog_.setValue(done);
        return !dialog_.wasCanceled();
    }

private:
    QProgressDialog dialog_;
    int total_;
};

}  // namespace

void ConfigureFileDialog(QFileDialog& dialog, const FileDialogSettings& def, bool save) {
    dialog.setWindowTitle(def.title);
    if (!def.startFolder.isEmpty()) dialog.setDirectory(def.startFolder);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !def.confirmOverwrite);
    dialog.setNameFilter(def.defaultSuffix.isEmpty() ? def.initialName : "*." + def.defaultSuffix);
    dialog.setDefaultSuffix(def.defaultSuffix);
    if (!def.initialName.contains('*')) dialog.selectFile(def.initialName);
}

void QtUserIO::Warn(const QString& text) {
    QMessageBox box(QMessageBox::Warning, "VELTAR", text, QMessageBox::Ok, parent_);
    box.exec();
}

QString QtUserIO::OpenPath(const FileDialogSettings& def) { return RunDialog(parent_, def, false); }

QString QtUserIO::SavePath(const FileDialogSettings& def) { return RunDialog(parent_, def, true); }

SaveAnswer QtUserIO::AskSaveChanges(const QString& name) {
    QMessageBox box(QMessageBox::Question, "VELTAR", "Save changes to " + name + "?",
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save: return SaveAnswer::Save;
        case QMessageBox::Discard: return SaveAnswer::Discard;
        default: return SaveAnswer::Cancel;
    }
}

std::unique_ptr<Progress> QtUserIO::StartProgress(const QString& text, int total) {
    return std::make_unique<DialogProgress>(parent_, text, total);
}

}  // namespace veltar
