#include "report/TrpLocale.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTime>

namespace {
bool noConvention(const QLocale& locale) {
    return locale.language() == QLocale::C;
}
} // namespace

QString TrpLocale::Date(const QDate& date, const QLocale& locale) {
    if (noConvention(locale))
        return date.toString(QStringLiteral("yyyy-MM-dd"));
    // The short form with the whole year: a printed list is kept for years.
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return locale.toString(date, format);
}

QString TrpLocale::Time(const QTime& time, const QLocale& locale) {
    if (noConvention(locale))
        return time.toString(QStringLiteral("HH:mm"));
    return locale.toString(time, QLocale::ShortFormat);
}

QString TrpLocale::Language() {
    return QCoreApplication::translate(
        "TrpLocale", "en",
        "The code of this translation's language; report templates named with it are used");
}

QString TrpLocale::TemplateFor(const QString& path, const QString& language) {
    if (language.isEmpty() || language == QLatin1String("en"))
        return path;
    const QFileInfo english(path);
    const QFileInfo translated(english.dir().filePath(
        QStringLiteral("%1.%2.%3").arg(english.completeBaseName(), language, english.suffix())));
    return translated.isFile() ? translated.filePath() : path;
}
