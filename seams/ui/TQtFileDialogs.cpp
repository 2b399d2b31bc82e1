#include "seams/ui/TQtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>

QString TQtFileDialogs::getOpenFileName(const QString& title, const QString& filter,
                                        const QString& directory) {
    QFileDialog dialog(QApplication::activeWindow(), title, directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString TQtFileDialogs::getSaveFileName(const QString& title, const QString& filter, const QString& directory,
                                        const QString& defaultSuffix) {
    QFileDialog dialog(QApplication::activeWindow(), title, directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
