#include "keys/TKeyText.h"

#include <QList>

namespace {

bool invisible(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Other_Format ||
           category == QChar::Separator_Line || category == QChar::Separator_Paragraph ||
           (category == QChar::Separator_Space && c != U' ') || category == QChar::Other_NotAssigned ||
           category == QChar::Other_Surrogate || category == QChar::Other_PrivateUse;
}

QString codePoint(char32_t c) {
    return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString TKeyText::Folded(const QString& text) {
    const QString compatible = text.normalized(QString::NormalizationForm_KC);
    QString folded;
    folded.reserve(compatible.size());
    for (char32_t c : compatible.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Other_Format)
            continue;
        if (category == QChar::Separator_Space)
            folded += QLatin1Char(' ');
        else if (category == QChar::Punctuation_Dash || c == U'\u2212')
            folded += QLatin1Char('-');
        else
            folded += QString::fromUcs4(&c, 1);
    }
    return folded;
}

QString TKeyText::Named(char32_t c) {
    return invisible(c) ? codePoint(c) : QString::fromUcs4(&c, 1);
}

QString TKeyText::Shown(const QString& text) {
    const QList<uint> points = text.toUcs4();
    QString shown;
    for (int i = 0; i < points.size(); ++i) {
        if (i == QuotedLength)
            return shown + QStringLiteral("…");
        shown += Named(points[i]);
    }
    return shown;
}
