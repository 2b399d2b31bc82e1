#include "settings/TLocaleText.h"

#include <QLocale>
#include <QRegularExpression>

namespace {
// "dd.MM.yy" and "M/d/yy" would make 1926 and 2026 look alike.
QString fullYear(QString format) {
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

// The locale's short time has no seconds; they go right after the minutes, keeping its order
// and any AM/PM marker.
QString withSeconds(QString format) {
    if (!format.contains(QLatin1Char('s')))
        format.replace(QRegularExpression(QStringLiteral("mm")), QStringLiteral("mm:ss"));
    return format;
}
} // namespace

QString TLocaleText::DateTime(const QDateTime& t, Precision precision) {
    if (!t.isValid())
        return QStringLiteral("-");
    const QLocale locale;
    QString time = locale.timeFormat(QLocale::ShortFormat);
    if (precision == Precision::Seconds)
        time = withSeconds(time);
    return locale.toString(t.toLocalTime(),
                           fullYear(locale.dateFormat(QLocale::ShortFormat)) + QLatin1Char(' ') + time);
}

QString TLocaleText::Number(qint64 n) {
    return QLocale().toString(n);
}
