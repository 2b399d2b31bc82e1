#pragma once

#include <QString>

class QDate;
class QLocale;
class QTime;

// The report in the user's language and formats: dates and times as the locale writes them, and a
// template's translation, "CtrlInfo.de.rpt" beside "CtrlInfo.rpt", where there is one.
class TrpLocale {
public:
    // The C and POSIX locales ask for no convention: they get the ISO forms.
    static QString Date(const QDate& date, const QLocale& locale);
    static QString Time(const QTime& time, const QLocale& locale);
    // The language the program's texts are in ("en" without a translation).
    static QString Language();
    // The template at path in language, when that file exists; else path.
    static QString TemplateFor(const QString& path, const QString& language);
};
