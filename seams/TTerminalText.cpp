#include "seams/TTerminalText.h"

namespace {
bool isBidiOrSeparator(char16_t c) {
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x2028 && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

bool isDelOrC1(char16_t c) {
    return c >= 0x7F && c <= 0x9F;
}

QString unicodeEscape(char16_t c) {
    return QStringLiteral("\\u%1").arg(unsigned(c), 4, 16, QLatin1Char('0'));
}
} // namespace

QString TTerminalText::Escaped(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u'\n' || c == u'\t')
            shown += ch;
        else if (c < 0x20 || isDelOrC1(c))
            shown += QStringLiteral("\\x%1").arg(unsigned(c), 2, 16, QLatin1Char('0'));
        else if (isBidiOrSeparator(c))
            shown += unicodeEscape(c);
        else
            shown += ch;
    }
    return shown;
}

QByteArray TTerminalText::EscapedJson(const QByteArray& json) {
    // Outside strings JSON is plain ASCII, so these can only stand inside a string, where \uHHHH
    // means the same character.
    const QString text = QString::fromUtf8(json);
    QString shown;
    shown.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (isDelOrC1(c) || isBidiOrSeparator(c))
            shown += unicodeEscape(c);
        else
            shown += ch;
    }
    return shown.toUtf8();
}
