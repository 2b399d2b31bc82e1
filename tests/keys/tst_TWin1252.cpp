#include "keys/TWin1252.h"

#include <QTest>

#include <algorithm>

class tst_TWin1252 : public QObject {
    Q_OBJECT
private slots:
    void shouldRoundTripEveryByte() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        const QString text = TWin1252::toUnicode(all);
        QCOMPARE(text.size(), 256);
        for (QChar c : text)
            QVERIFY(TWin1252::canEncode(c));
        QCOMPARE(TWin1252::fromUnicode(text), all);
    }

    void shouldMapBytesToTheirCharacters_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unicode");
        QTest::newRow("ascii") << 0x41 << 0x41;
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("unassigned 81") << 0x81 << 0x81;
        QTest::newRow("unassigned 8D") << 0x8D << 0x8D;
        QTest::newRow("unassigned 8F") << 0x8F << 0x8F;
        QTest::newRow("unassigned 90") << 0x90 << 0x90;
        QTest::newRow("unassigned 9D") << 0x9D << 0x9D;
        QTest::newRow("s caron") << 0x9A << 0x0161;
        QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
        QTest::newRow("o diaeresis") << 0xF6 << 0xF6;
        QTest::newRow("y diaeresis") << 0xFF << 0xFF;
    }
    void shouldMapBytesToTheirCharacters() {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        const QString text = TWin1252::toUnicode(QByteArray(1, static_cast<char>(byte)));
        QCOMPARE(int(text.at(0).unicode()), unicode);
    }

    void shouldRefuseCharactersOutsideTheCodePage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("holds");
        QTest::newRow("estonian letters") << QStringLiteral("Tõnu Šõõr") << true;
        QTest::newRow("cyrillic") << QStringLiteral("Дверь") << false;
        QTest::newRow("C1 control without a glyph 0x80") << QString(QChar(0x80)) << false;
        QTest::newRow("cjk") << QStringLiteral("門") << false;
        QTest::newRow("euro sign") << QStringLiteral("€5") << true;
    }
    void shouldRefuseCharactersOutsideTheCodePage() {
        QFETCH(QString, text);
        QFETCH(bool, holds);
        const bool all =
            std::all_of(text.begin(), text.end(), [](QChar c) { return TWin1252::canEncode(c); });
        QCOMPARE(all, holds);
    }

    void shouldWriteAQuestionMarkForWhatCannotBeHeld() {
        QCOMPARE(TWin1252::fromUnicode(QStringLiteral("AДB")), QByteArray("A?B"));
    }
};

QTEST_GUILESS_MAIN(tst_TWin1252)
#include "tst_TWin1252.moc"
