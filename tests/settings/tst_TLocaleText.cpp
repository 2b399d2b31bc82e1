// Times and numbers in the words of the user's locale, with the full year and, where asked, seconds.
#include "settings/TLocaleText.h"

#include <QtTest>

class tst_TLocaleText : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void shouldWriteAsTheLocaleDoes_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("precision");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("number");
        const int minutes = int(TLocaleText::Precision::Minutes);
        const int seconds = int(TLocaleText::Precision::Seconds);
        QTest::newRow("German") << "de_DE" << seconds << "03.02.2026 14:05:09"
                                << "1.234.567";
        QTest::newRow("German, minutes") << "de_DE" << minutes << "03.02.2026 14:05"
                                         << "1.234.567";
        QTest::newRow("British") << "en_GB" << seconds << "03/02/2026 14:05:09"
                                 << "1,234,567";
        QTest::newRow("American, AM/PM kept") << "en_US" << seconds << "2/3/2026 2:05:09 PM"
                                              << "1,234,567";
        QTest::newRow("Swiss German") << "de_CH" << minutes << "03.02.2026 14:05"
                                      << "1\u2019234\u2019567";
    }
    void shouldWriteAsTheLocaleDoes() {
        QFETCH(QString, locale);
        QFETCH(int, precision);
        QFETCH(QString, time);
        QFETCH(QString, number);
        QLocale::setDefault(QLocale(locale));
        // Shown in local time: the test builds the local time it expects.
        const QDateTime t(QDate(2026, 2, 3), QTime(14, 5, 9), Qt::LocalTime);
        // Newer locale data puts a narrow space before "PM".
        const QString shown = TLocaleText::DateTime(t.toUTC(), TLocaleText::Precision(precision));
        QCOMPARE(QString(shown).replace(QChar(0x202f), QLatin1Char(' ')), time);
        QCOMPARE(TLocaleText::Number(1234567), number);
    }

    void shouldSayAMissingTimeAsADash() { QCOMPARE(TLocaleText::DateTime(QDateTime()), QStringLiteral("-")); }
};

QTEST_GUILESS_MAIN(tst_TLocaleText)
#include "tst_TLocaleText.moc"
