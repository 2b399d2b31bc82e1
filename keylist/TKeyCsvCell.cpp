#include "keylist/TKeyCsvCell.h"

bool TKeyCsvCell::formulaAfterApostrophes(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char('\''))
        ++i;
    return i < text.size() && QStringLiteral("=+-@\t\r").contains(text[i]);
}

QString TKeyCsvCell::Neutralised(const QString& text) {
    return formulaAfterApostrophes(text) ? QLatin1Char('\'') + text : text;
}

QString TKeyCsvCell::Plain(const QString& text) {
    if (text.startsWith(QLatin1Char('\'')) && formulaAfterApostrophes(text))
        return text.mid(1);
    if (text.size() >= 3 && text.startsWith(QLatin1String("=\"")) && text.endsWith(QLatin1Char('"')) &&
        !text.mid(2, text.size() - 3).contains(QLatin1Char('"')))
        return text.mid(2, text.size() - 3);
    return text;
}
