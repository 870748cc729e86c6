// Modal message boxes and the platform's file dialogs.
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QMessageBox>

#include "ui/userio.h"

namespace veltar {
namespace {

QString RunDialog(QWidget* parent, const FileDialogSpec& spec, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, spec.title, spec.startFolder);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !spec.confirmOverwrite);
    dialog.setNameFilter(spec.initialName);
    dialog.setDefaultSuffix(spec.defaultSuffix);
    if (!spec.initialName.contains('*')) dialog.selectFile(spec.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    // The next dialog starts where this one left the user.
    const QString path = dialog.selectedFiles().first();
    QDir::setCurrent(QFileInfo(path).absolutePath());
    return QDir::toNativeSeparators(path);
}

}  // namespace

void QtUserIO::Warn(const QString& text) {
    QMessageBox box(QMessageBox::Warning, "VELTAR", text, QMessageBox::Ok, parent_);
    box.exec();
}

QString QtUserIO::OpenPath(const FileDialogSpec& spec) {
    return RunDialog(parent_, spec, QFileDialog::AcceptOpen);
}

QString QtUserIO::SavePath(const FileDialogSpec& spec) {
    return RunDialog(parent_, spec, QFileDialog::AcceptSave);
}

}  // namespace veltar
