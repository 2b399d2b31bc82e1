#include "keylist/TKeyCode.h"

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
