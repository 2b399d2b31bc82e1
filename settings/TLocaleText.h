#pragma once

#include <QDateTime>
#include <QString>

// Times and numbers as the user's locale writes them (LC_TIME, LC_NUMERIC or LANG, through the
// default QLocale). Only for what a person reads: files, CSV and vtrk --json keep ISO forms.
class TLocaleText {
public:
    enum class Precision { Minutes, Seconds };

    // The local time of t in the locale's short date, always with the full year (a history
    // reaches back years), and its time of day; "-" for an invalid time.
    static QString DateTime(const QDateTime& t, Precision precision = Precision::Minutes);
    static QString Number(qint64 n);
};
