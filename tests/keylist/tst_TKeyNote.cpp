#include "keylist/TKeyNote.h"

#include <QTest>

class tst_TKeyNote : public QObject {
    Q_OBJECT
private slots:
    void shouldRefuseWhatCannotBeStoredAndVerified_data() {
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("refusal"); // a part of the reason; empty when the note is taken
        QTest::newRow("plain") << "Haustür Nord"
                               << "";
        QTest::newRow("decomposed u umlaut") << QString::fromUtf8("Haustu\u0308r") << "";
        QTest::newRow("25 characters") << QString(25, QLatin1Char('a')) << "";
        QTest::newRow("euro sign") << QString::fromUtf8("\u20AC 5") << "";
        QTest::newRow("y diaeresis") << QString::fromUtf8("L'Ha\u00FF-les-Roses") << "\"ÿ\"";
        QTest::newRow("decomposed y diaeresis") << QString::fromUtf8("L'Hay\u0308-les-Roses") << "\"ÿ\"";
        QTest::newRow("26 characters") << QString(26, QLatin1Char('a')) << "26 characters long";
        QTest::newRow("emoji named whole") << QString::fromUtf8("Tor \U0001F511") << "\"\U0001F511\"";
        QTest::newRow("outside the code page") << QString::fromUtf8("\u0141\u00F3d\u017A") << "\"\u0141\"";
        QTest::newRow("invisible shown") << QString::fromUtf8("a\u200Bb") << "\"U+200B\"";
    }
    void shouldRefuseWhatCannotBeStoredAndVerified() {
        QFETCH(QString, note);
        QFETCH(QString, refusal);
        const QString reason = TKeyNote::Refusal(note);
        if (refusal.isEmpty()) {
            QVERIFY2(reason.isEmpty(), qPrintable(reason));
        } else {
            QVERIFY2(reason.contains(refusal), qPrintable(reason));
            // Whole characters only: the reason converts to UTF-8 and back unchanged.
            QCOMPARE(QString::fromUtf8(reason.toUtf8()), reason);
        }
    }

    void shouldTellAListNoteThatAReadDrops() {
        QVERIFY(TKeyNote::HoldsFillByte(QString::fromUtf8("L'Ha\u00FF-les-Roses")));
        QVERIFY(!TKeyNote::HoldsFillByte(QStringLiteral("L'Hay-les-Roses")));
    }
};

QTEST_GUILESS_MAIN(tst_TKeyNote)
#include "tst_TKeyNote.moc"
