// The expression parser against hostile texts: it refuses or accepts, never crashes or recurses
// without bound.
#include "dbfeng/DbeExpression.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {
DbeLayout keyLayout() {
    DbeLayout l;
    int offset = 1;
    auto add = [&](const char* name, char type, int width) {
        l.push_back(DbeField{name, type, offset, width, 0});
        offset += width;
    };
    add("RECID", 'N', 10);
    add("KEYCODE", 'C', 12);
    add("KEYSTATUS", 'L', 1);
    return l;
}
} // namespace

class tst_DbeExpression : public QObject {
    Q_OBJECT

private slots:
    void shouldRefuseOrBoundHostileTexts_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("deep parentheses")
            << QByteArray(100000, '(') + "KEYSTATUS" + QByteArray(100000, ')') << false;
        QTest::newRow("deep nots") << QByteArray(".not. ").repeated(5000) + "KEYSTATUS" << false;
        QTest::newRow("long and chain")
            << QByteArray("KEYSTATUS .and. ").repeated(3000) + "KEYSTATUS" << false;
        QTest::newRow("fair and chain") << QByteArray("KEYSTATUS .and. ").repeated(50) + "KEYSTATUS" << true;
        QTest::newRow("nested functions")
            << QByteArray("UPPER(").repeated(300) + "KEYCODE" + QByteArray(300, ')') << false;
        QTest::newRow("NUL inside") << QByteArray("KEYCODE = 'A\0B'", 15) << true;
        QTest::newRow("high bytes") << QByteArray("KEYCODE = '\xE4\xF6\xFC'") << true;
        QTest::newRow("lone dot") << QByteArray(".") << false;
        QTest::newRow("arrow without field") << QByteArray("A->") << false;
        QTest::newRow("alias arrow") << QByteArray("TMP__->KEYSTATUS") << true;
        QTest::newRow("SUBSTR out of range") << QByteArray("SUBSTR(KEYCODE, -5, 999) = 'X'") << true;
        QTest::newRow("STR of huge number") << QByteArray("STR(1e300 * 1e300, 300, 50) = 'X'") << false;
        QTest::newRow("division by zero") << QByteArray("RECID / 0 = 0") << true;
    }

    void shouldRefuseOrBoundHostileTexts() {
        QFETCH(QByteArray, text);
        QFETCH(bool, valid);
        const DbeLayout layout = keyLayout();
        std::string error;
        auto e = DbeExpression::parse(text.toStdString(), layout, &error);
        QCOMPARE(bool(e), valid);
        if (!e) {
            QVERIFY(!error.empty());
            return;
        }
        std::string record = " " + std::string(10, ' ') + "ABC         " + "T";
        e->evaluate(DbeExpression::Record{record.data(), 1, true});
    }

    void shouldSurviveRandomTexts() {
        const DbeLayout layout = keyLayout();
        const char alphabet[] = "()'\"=<>#$!+-*/.,TFANDORNOTUPPERKEYCODERECIDkeystatus 0123456789\x01\xFF";
        QRandomGenerator random(12345);
        std::string record = " " + std::string(10, '1') + "0123456789AB" + "F";
        int parsed = 0;
        for (int i = 0; i < 20000; ++i) {
            std::string text;
            const int length = int(random.bounded(40));
            for (int j = 0; j < length; ++j)
                text += alphabet[random.bounded(int(sizeof alphabet) - 1)];
            auto e = DbeExpression::parse(text, layout);
            if (e) {
                ++parsed;
                e->evaluate(DbeExpression::Record{record.data(), 1, i % 2 == 0});
            }
        }
        QVERIFY(parsed > 0);
    }

    void shouldFindTheKeyField() {
        const DbeLayout layout = keyLayout();
        QCOMPARE(DbeExpression::parse("KEYCODE", layout)->keyField(), 1);
        QCOMPARE(DbeExpression::parse("upper(keycode)", layout)->keyField(), 1);
        QCOMPARE(DbeExpression::parse("KEYCODE + 'X'", layout)->keyField(), -1);
        QCOMPARE(DbeExpression::parse("RECID", layout)->keyField(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_DbeExpression)
#include "tst_DbeExpression.moc"
