// Reports in the user's formats and language: dates and times as the locale writes them (the ISO
// forms where it asks for none), and a template's translation used where one lies beside it.
#include "report/TrpLocale.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>

class tst_TrpLocale : public QObject {
    Q_OBJECT

private slots:
    void shouldWriteDatesAndTimesAsTheLocaleDoes_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::newRow("no convention") << "C"
                                       << "2026-03-09"
                                       << "07:05";
        QTest::newRow("German") << "de_DE"
                                << "09.03.2026"
                                << "07:05";
        QTest::newRow("Austrian") << "de_AT"
                                  << "09.03.2026"
                                  << "07:05";
        QTest::newRow("British") << "en_GB"
                                 << "09/03/2026"
                                 << "07:05";
        QTest::newRow("French") << "fr_FR"
                                << "09/03/2026"
                                << "07:05";
    }
    void shouldWriteDatesAndTimesAsTheLocaleDoes() {
        QFETCH(QString, locale);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QCOMPARE(TrpLocale::Date(QDate(2026, 3, 9), QLocale(locale)), date);
        QCOMPARE(TrpLocale::Time(QTime(7, 5), QLocale(locale)), time);
    }

    void shouldUseATranslatedTemplateOnlyWhereThereIsOne_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("beside"); // what lies beside List.rpt; "dir:" a folder of that name
        QTest::addColumn<QString>("expected");
        QTest::newRow("German beside") << "de"
                                       << "List.de.rpt"
                                       << "List.de.rpt";
        QTest::newRow("English asked") << "en"
                                       << "List.de.rpt"
                                       << "List.rpt";
        QTest::newRow("no language") << ""
                                     << "List.de.rpt"
                                     << "List.rpt";
        QTest::newRow("no translation") << "de"
                                        << ""
                                        << "List.rpt";
        QTest::newRow("another language's") << "de"
                                            << "List.fr.rpt"
                                            << "List.rpt";
        QTest::newRow("a folder of the name") << "de"
                                              << "dir:List.de.rpt"
                                              << "List.rpt";
    }
    void shouldUseATranslatedTemplateOnlyWhereThereIsOne() {
        QFETCH(QString, language);
        QFETCH(QString, beside);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QFile english(dir.filePath(QStringLiteral("List.rpt")));
        QVERIFY(english.open(QIODevice::WriteOnly));
        if (beside.startsWith(QLatin1String("dir:"))) {
            QVERIFY(QDir(dir.path()).mkdir(beside.mid(4)));
        } else if (!beside.isEmpty()) {
            QFile translated(dir.filePath(beside));
            QVERIFY(translated.open(QIODevice::WriteOnly));
        }
        QCOMPARE(TrpLocale::TemplateFor(english.fileName(), language), dir.filePath(expected));
    }
};

QTEST_GUILESS_MAIN(tst_TrpLocale)
#include "tst_TrpLocale.moc"
