#include "cli/TCliMessageBoxes.h"

#include "cli/TCliOutput.h"

#include <cstdio>
#include <unistd.h>

void TCliMessageBoxes::write(Kind kind, const QString& text, const QString& caption) {
    const QString title = caption.isEmpty() ? defaultCaption(kind) : caption;
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    TCliOutput::Error(title.isEmpty() ? line : title.toLower() + QStringLiteral(": ") + line);
}

bool TCliMessageBoxes::Confirm(const QString& text) {
    write(Kind::Confirmation, text, QString());
    if (assumeYes) {
        TCliOutput::Note(tr("  yes (--yes)"));
        return true;
    }
    if (::isatty(STDIN_FILENO) != 1 || ::isatty(STDERR_FILENO) != 1) {
        TCliOutput::Note(tr("  not confirmed: nobody to ask; give --yes to go on"));
        return false;
    }
    return AskTerminal();
}

bool TCliMessageBoxes::confirmYesNo(const QString& text, const QString&) {
    write(Kind::Confirmation, text, QString());
    if (::isatty(STDIN_FILENO) != 1 || ::isatty(STDERR_FILENO) != 1) {
        TCliOutput::Note(tr("  not confirmed: nobody to ask"));
        return false;
    }
    return AskTerminal();
}

bool TCliMessageBoxes::AskTerminal() {
    std::fputs(tr("  continue? [y/N] ").toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    char answer[16] = {};
    if (!std::fgets(answer, sizeof answer, stdin))
        return false;
    // "y" always answers yes; so does the letter the question offers in the user's language.
    const QChar given = QChar::fromLatin1(answer[0]).toLower();
    const QString yes = tr("y", "the letter that answers yes in \"continue? [y/N]\"").toLower();
    return given == QLatin1Char('y') || (!yes.isEmpty() && given == yes.at(0));
}

bool TCliMessageBoxes::confirmOkCancel(const QString& text, const QString&) {
    return Confirm(text);
}

TMessageBoxes::Answer TCliMessageBoxes::confirmYesNoCancel(const QString& text, const QString&) {
    return Confirm(text) ? Answer::Yes : Answer::Cancel;
}
