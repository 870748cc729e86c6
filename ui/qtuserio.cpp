// Modal message boxes and the platform's file dialogs.
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "ui/userio.h"

namespace veltar {
namespace {

QString RunDialog(QWidget* parent, const FileDialogSettings& def, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, def.title, def.startFolder);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !def.confirmOverwrite);
    dialog.setNameFilter(def.initialName);
    dialog.setDefaultSuffix(def.defaultSuffix);
    if (!def.initialName.contains('*')) dialog.selectFile(def.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    // The next dialog's folder is the caller's to keep (AppPath); the process's
    // working folder stays where the program was started.
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

}  // namespace

void QtUserIO::Warn(const QString& text) {
    QMessageBox box(QMessageBox::Warning, "VELTAR", text, QMessageBox::Ok, parent_);
    box.exec();
}

QString QtUserIO::OpenPath(const FileDialogSettings& def) { return RunDialog(parent_, def, QFileDialog::AcceptOpen); }

QString QtUserIO::SavePath(const FileDialogSettings& def) { return RunDialog(parent_, def, QFileDialog::AcceptSave); }

}  // namespace veltar
