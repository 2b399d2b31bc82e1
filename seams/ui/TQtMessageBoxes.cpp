#include "seams/ui/TQtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace {

// The program's texts use a lone carriage return as line break.
QString displayText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

int runBox(QMessageBox::Icon icon, TMessageBoxes::Kind kind, const QString& text, const QString& caption,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
    const QString title = caption.isEmpty() ? TMessageBoxes::defaultCaption(kind) : caption;
    QMessageBox box(icon, title, displayText(text), buttons, QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    return box.exec();
}

} // namespace

void TQtMessageBoxes::error(const QString& text, const QString& caption) {
    runBox(QMessageBox::Critical, Kind::Error, text, caption, QMessageBox::Ok, QMessageBox::Ok);
}

void TQtMessageBoxes::warning(const QString& text, const QString& caption) {
    runBox(QMessageBox::Warning, Kind::Warning, text, caption, QMessageBox::Ok, QMessageBox::Ok);
}

void TQtMessageBoxes::information(const QString& text, const QString& caption) {
    runBox(QMessageBox::Information, Kind::Information, text, caption, QMessageBox::Ok, QMessageBox::Ok);
}

void TQtMessageBoxes::plain(const QString& text, const QString& caption) {
    runBox(QMessageBox::NoIcon, Kind::Plain, text, caption, QMessageBox::Ok, QMessageBox::Ok);
}

bool TQtMessageBoxes::confirmOkCancel(const QString& text, const QString& caption) {
    return runBox(QMessageBox::Question, Kind::Confirmation, text, caption,
                  QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

TMessageBoxes::Answer TQtMessageBoxes::confirmYesNoCancel(const QString& text, const QString& caption) {
    const int result = runBox(QMessageBox::Question, Kind::Confirmation, text, caption,
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (result == QMessageBox::Yes)
        return Answer::Yes;
    if (result == QMessageBox::No)
        return Answer::No;
    return Answer::Cancel;
}

bool TQtMessageBoxes::confirmYesNo(const QString& text, const QString& caption) {
    return runBox(QMessageBox::Warning, Kind::Confirmation, text, caption, QMessageBox::Yes | QMessageBox::No,
                  QMessageBox::No) == QMessageBox::Yes;
}
