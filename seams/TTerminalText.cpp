#include "seams/TTerminalText.h"

namespace {
bool isBidiOrSeparator(char16_t c) {
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x2028 && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}
} // namespace

QString TTerminalText::Escaped(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u'\n' || c == u'\t')
            shown += ch;
        else if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            shown += QStringLiteral("\\x%1").arg(unsigned(c), 2, 16, QLatin1Char('0'));
        else if (isBidiOrSeparator(c))
            shown += QStringLiteral("\\u%1").arg(unsigned(c), 4, 16, QLatin1Char('0'));
        else
            shown += ch;
    }
    return shown;
}
