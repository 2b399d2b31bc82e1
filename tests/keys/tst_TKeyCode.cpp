#include "keys/TKeyCode.h"
#include "keys/TKeyText.h"

#include <QRandomGenerator>
#include <QTest>

using Form = TKeyCode::TForm;
Q_DECLARE_METATYPE(TKeyCode::TForm)

class tst_TKeyCode : public QObject {
    Q_OBJECT
private slots:
    void shouldComputeTheDallasCrc_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("crc");
        // A touch key read by owserver, and the ROM of Maxim's application note 27.
        QTest::newRow("touch key") << QByteArray::fromHex("012BC5FB000000") << 0x66;
        QTest::newRow("note 27") << QByteArray::fromHex("021CB801000000") << 0xA2;
        QTest::newRow("nothing") << QByteArray() << 0x00;
        // A number followed by its own CRC leaves the remainder 0.
        QTest::newRow("with its CRC") << QByteArray::fromHex("012BC5FB00000066") << 0x00;
    }
    void shouldComputeTheDallasCrc() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, crc);
        QCOMPARE(int(TKeyCode::Crc8(bytes)), crc);
    }

    void shouldReadEveryWrittenForm_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code");
        QTest::addColumn<Form>("form");
        QTest::addColumn<bool>("checked");
        QTest::newRow("12 digits pass through") << "2BC5FB000000"
                                                << "2BC5FB000000" << Form::Code << false;
        QTest::newRow("lower case, blanks around") << "  2bc5fb00000a "
                                                   << "2BC5FB00000A" << Form::Code << false;
        QTest::newRow("12 digits with colons") << "2B:C5:FB:00:00:00"
                                               << "2BC5FB000000" << Form::Code << false;
        QTest::newRow("1-Wire tools") << "01.2BC5FB000000"
                                      << "2BC5FB000000" << Form::FamilyAndCode << false;
        QTest::newRow("wire order") << "012BC5FB00000066"
                                    << "2BC5FB000000" << Form::WireOrder << true;
        QTest::newRow("wire order, tools with CRC") << "01.2bc5fb000000.66"
                                                    << "2BC5FB000000" << Form::WireOrder << true;
        QTest::newRow("engraved") << "66 000000FBC52B 01"
                                  << "2BC5FB000000" << Form::EngravedOrder << true;
        QTest::newRow("engraved, dashes") << "66-00-00-00-FB-C5-2B-01"
                                          << "2BC5FB000000" << Form::EngravedOrder << true;
        QTest::newRow("engraved, no separators") << "66000000FBC52B01"
                                                 << "2BC5FB000000" << Form::EngravedOrder << true;
        QTest::newRow("Linux w1 device") << "01-000000fbc52b"
                                         << "2BC5FB000000" << Form::KernelName << false;
        QTest::newRow("bytes without leading zeros") << "1 2B C5 FB 0 0 0 66"
                                                     << "2BC5FB000000" << Form::WireOrder << true;
        QTest::newRow("C array") << "{0x01, 0x2B, 0xC5, 0xFB, 0x00, 0x00, 0x00, 0x66};"
                                 << "2BC5FB000000" << Form::WireOrder << true;
        QTest::newRow("Arduino array without blanks") << "0x01,0x2B,0xC5,0xFB,0x00,0x00,0x00,0x66"
                                                      << "2BC5FB000000" << Form::WireOrder << true;
        QTest::newRow("engraving on two lines") << "66 000000FBC52B\n01"
                                                << "2BC5FB000000" << Form::EngravedOrder << true;
        QTest::newRow("ROM line") << "ROM = 01 2B C5 FB 00 00 00 66"
                                  << "2BC5FB000000" << Form::WireOrder << true;
        QTest::newRow("owfs path below a bus") << "/bus.0/01.D823C4C70000"
                                               << "D823C4C70000" << Form::FamilyAndCode << false;
        QTest::newRow("owdir path") << "/01.D823C4C70000/"
                                    << "D823C4C70000" << Form::FamilyAndCode << false;
        QTest::newRow("engraving on three lines") << "66\n000000FBC52B\r\n01"
                                                  << "2BC5FB000000" << Form::EngravedOrder << true;
        QTest::newRow("engraving without CRC") << "00006083B983 01"
                                               << "83B983600000" << Form::EngravedWithoutCrc << false;
        QTest::newRow("web page: no-break space, en dash, zero width")
            << QString::fromUtf8("66\u00A0000000FBC52B\u2013\u200B01") << "2BC5FB000000"
            << Form::EngravedOrder << true;
        QTest::newRow("full-width digits")
            << QString::fromUtf8("\uFF12\uFF22C5FB000000") << "2BC5FB000000" << Form::Code << false;
    }
    void shouldReadEveryWrittenForm() {
        QFETCH(QString, text);
        QFETCH(QString, code);
        QFETCH(Form, form);
        QFETCH(bool, checked);
        const TKeyCode::TReading reading = TKeyCode::Read(text);
        QVERIFY2(reading.ok, qPrintable(reading.error));
        QCOMPARE(reading.code, code);
        QCOMPARE(reading.form, form);
        QCOMPARE(reading.crcChecked, checked);
    }

    void shouldRefuseWithAReasonNamingWhatWasChecked_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("mentioned");
        QTest::newRow("CRC wrong in both orders")
            << "012BC5FB00000067" << QStringList{"both byte orders", "67 where 66 was expected"};
        QTest::newRow("CRC right, wrong family")
            << "021CB801000000A2" << QStringList{"the family is 02, not 01"};
        QTest::newRow("engraved with a bad CRC")
            << "65 000000FBC52B 01" << QStringList{"read as engraved", "65 where 66 was expected"};
        QTest::newRow("11 digits") << "2BC5FB00000" << QStringList{"11 hexadecimal digits"};
        QTest::newRow("13 digits") << "2BC5FB0000000" << QStringList{"13 hexadecimal digits"};
        QTest::newRow("not hexadecimal") << "2BC5FB00000G" << QStringList{"only hexadecimal digits"};
        QTest::newRow("tools form, other family") << "02.2BC5FB000000" << QStringList{"family 01", "not 02"};
        QTest::newRow("nothing") << "   " << QStringList{"no key code"};
        QTest::newRow("byte group too long") << "1 2B C5 FB0 0 0 66" << QStringList{"\"FB0\" is longer"};
        QTest::newRow("all zeros") << "00 00 00 00 00 00" << QStringList{"all zeros or all FF"};
        QTest::newRow("all FF, 16 digits") << "FFFFFFFFFFFFFFFF" << QStringList{"all zeros or all FF"};
        QTest::newRow("all zeros, 14 digits") << "00000000000000" << QStringList{"all zeros or all FF"};
        QTest::newRow("all FF, 12 digits") << "FF FF FF FF FF FF" << QStringList{"all zeros or all FF"};
        QTest::newRow("family and all zeros") << "01.000000000000" << QStringList{"all zeros or all FF"};
        QTest::newRow("kernel name, all FF") << "01-ffffffffffff" << QStringList{"all zeros or all FF"};
        QTest::newRow("number with zero serial and its CRC")
            << "010000000000003D" << QStringList{"all zeros or all FF"};
        QTest::newRow("14 digits, family both ends") << "01000000FBC501" << QStringList{"add the CRC"};
        QTest::newRow("not touch key at either end") << "28000000FBC52B" << QStringList{"not 28 and 2B"};
        QTest::newRow("kernel name, other family") << "28-000000fbc52b" << QStringList{"family is 28"};
        QTest::newRow("invisible character named")
            << QString::fromUtf8("2BC5FB\u00B7000000") << QStringList{"\"\u00B7\" cannot appear"};
        QTest::newRow("control character made visible")
            << QString::fromUtf8("2BC5FB\u0007000000") << QStringList{"\"U+0007\" cannot appear", "FBU+0007"};
        QTest::newRow("long input quoted short") << QString(5000, QLatin1Char('Z')) << QStringList{"ZZZ…\""};
    }
    void shouldRefuseWithAReasonNamingWhatWasChecked() {
        QFETCH(QString, text);
        QFETCH(QStringList, mentioned);
        const TKeyCode::TReading reading = TKeyCode::Read(text);
        QVERIFY(!reading.ok);
        QVERIFY(reading.code.isEmpty());
        for (const QString& part : mentioned)
            QVERIFY2(reading.error.contains(part), qPrintable(reading.error));
    }

    void shouldAskAboutABareCodeOnlyWhenTyped_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<bool>("ambiguous");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("other");
        QTest::newRow("engraving's middle digits, typed") << "000000FBC52B" << true << true << "000000FBC52B"
                                                          << "2BC5FB000000";
        QTest::newRow("as bytes, typed") << "0 0 0 FB C5 2B" << true << true << "000000FBC52B"
                                         << "2BC5FB000000";
        QTest::newRow("same, from a key list") << "000000FBC52B" << false << false << "000000FBC52B"
                                               << "";
        // A code that ends in a zero byte may be a real serial in wire order.
        QTest::newRow("ends in a zero byte") << "0000FBC52B00" << true << false << "0000FBC52B00"
                                             << "";
        QTest::newRow("one zero byte first") << "00C5FB00002B" << true << false << "00C5FB00002B"
                                             << "";
        // The family tells the order: no guess.
        QTest::newRow("family and code") << "01.000000FBC52B" << true << false << "000000FBC52B"
                                         << "";
    }
    void shouldAskAboutABareCodeOnlyWhenTyped() {
        QFETCH(QString, text);
        QFETCH(bool, typed);
        QFETCH(bool, ambiguous);
        QFETCH(QString, code);
        QFETCH(QString, other);
        const TKeyCode::TReading reading =
            TKeyCode::Read(text, typed ? TKeyCode::TSource::Typed : TKeyCode::TSource::Given);
        QCOMPARE(reading.ambiguous, ambiguous);
        QCOMPARE(reading.ok, !ambiguous);
        QCOMPARE(reading.code, code);
        QCOMPARE(reading.other, other);
        if (ambiguous)
            for (const QString& part : {code, other, TKeyCode::Engraved(other), QStringLiteral("01.") + code})
                QVERIFY2(reading.error.contains(part), qPrintable(reading.error));
    }

    void shouldFoldTextFromWebPagesAndShowWhatIsInvisible_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no-break and thin space") << QString::fromUtf8("01\u00A02B\u2009C5") << "01 2B C5"
                                                 << "01U+00A02BU+2009C5";
        QTest::newRow("dashes") << QString::fromUtf8("01\u20102B\u2014C5\u2212FB") << "01-2B-C5-FB"
                                << QString::fromUtf8("01\u20102B\u2014C5\u2212FB");
        QTest::newRow("zero width and BOM") << QString::fromUtf8("2B\uFEFFC5\u200B\u2060") << "2BC5"
                                            << "2BU+FEFFC5U+200BU+2060";
        QTest::newRow("full width") << QString::fromUtf8("\uFF10\uFF11\uFF0E\uFF21") << "01.A"
                                    << QString::fromUtf8("\uFF10\uFF11\uFF0E\uFF21");
        QTest::newRow("emoji whole, cut whole")
            << QString(39, QLatin1Char('x')) + QString::fromUtf8("\U0001F511z")
            << QString(39, QLatin1Char('x')) + QString::fromUtf8("\U0001F511z")
            << QString(39, QLatin1Char('x')) + QString::fromUtf8("\U0001F511\u2026");
    }
    void shouldFoldTextFromWebPagesAndShowWhatIsInvisible() {
        QFETCH(QString, text);
        QFETCH(QString, folded);
        QFETCH(QString, shown);
        QCOMPARE(TKeyText::Folded(text), folded);
        QCOMPARE(TKeyText::Shown(text), shown);
    }

    void shouldValidateKeyCodes_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("valid");
        QTest::newRow("upper") << "0123456789AB" << true;
        QTest::newRow("lower") << "0123456789ab" << true;
        QTest::newRow("empty marker") << "<EMPTY>" << false;
        QTest::newRow("blank padded") << "0123456789 " << false;
        QTest::newRow("eleven") << "0123456789A" << false;
        QTest::newRow("letter G") << "0123456789AG" << false;
    }
    void shouldValidateKeyCodes() {
        QFETCH(QString, code);
        QFETCH(bool, valid);
        QCOMPARE(TKeyCode::IsCode(code), valid);
    }

    void shouldShowTheCodeAsEngravedAndReadItBack() {
        QCOMPARE(TKeyCode::Engraved(QStringLiteral("2BC5FB000000")), QStringLiteral("66 000000FBC52B 01"));
        QVERIFY(TKeyCode::Engraved(QStringLiteral("<EMPTY>")).isEmpty());
        QVERIFY(TKeyCode::Engraved(QStringLiteral("2BC5FB00000")).isEmpty());
        // Whatever the code, the engraved form and the wire number built from it read back to it.
        QRandomGenerator random(4711);
        for (int i = 0; i < 500; ++i) {
            QByteArray serial(6, Qt::Uninitialized);
            for (char& b : serial)
                b = char(random.bounded(256));
            const QString code = QString::fromLatin1(serial.toHex()).toUpper();
            const TKeyCode::TReading engraved = TKeyCode::Read(TKeyCode::Engraved(code));
            QVERIFY2(engraved.ok && engraved.code == code, qPrintable(code + ": " + engraved.error));
            const QByteArray wire = QByteArray(1, '\x01') + serial;
            const QString number = QString::fromLatin1((wire + char(TKeyCode::Crc8(wire))).toHex());
            const TKeyCode::TReading read = TKeyCode::Read(number);
            QVERIFY2(read.ok && read.code == code && read.crcChecked, qPrintable(number));
        }
    }
};

QTEST_GUILESS_MAIN(tst_TKeyCode)
#include "tst_TKeyCode.moc"
