#include "seams/TConsoleMessageBoxes.h"

#include "seams/TTerminalText.h"

#include <cstdio>

void TConsoleMessageBoxes::write(Kind kind, const QString& text, const QString& caption) {
    const QString title = caption.isEmpty() ? defaultCaption(kind) : caption;
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (!title.isEmpty())
        line = title + QStringLiteral(": ") + line;
    std::fprintf(stderr, "%s\n", TTerminalText::Escaped(line).toLocal8Bit().constData());
    std::fflush(stderr);
}

void TConsoleMessageBoxes::error(const QString& text, const QString& caption) {
    write(Kind::Error, text, caption);
}

void TConsoleMessageBoxes::warning(const QString& text, const QString& caption) {
    write(Kind::Warning, text, caption);
}

void TConsoleMessageBoxes::information(const QString& text, const QString& caption) {
    write(Kind::Information, text, caption);
}

void TConsoleMessageBoxes::plain(const QString& text, const QString& caption) {
    write(Kind::Plain, text, caption);
}

bool TConsoleMessageBoxes::confirmOkCancel(const QString& text, const QString& caption) {
    write(Kind::Confirmation, text, caption);
    return false;
}

TMessageBoxes::Answer TConsoleMessageBoxes::confirmYesNoCancel(const QString& text, const QString& caption) {
    write(Kind::Confirmation, text, caption);
    return Answer::Cancel;
}

bool TConsoleMessageBoxes::confirmYesNo(const QString& text, const QString& caption) {
    write(Kind::Confirmation, text, caption);
    return false;
}
