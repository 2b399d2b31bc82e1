#include "keylist/ui/TTypedTextValidator.h"

#include <QLineEdit>
#include <QTest>

#include "tests/keylist/TTypeText.h"

class tst_TTypedTextValidator : public QObject {
    Q_OBJECT
private slots:
    void shouldDropWhatTheCodePageCannotHold_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("estonian letters") << QStringLiteral("Tõnu Šõõr") << QStringLiteral("Tõnu Šõõr");
        QTest::newRow("cyrillic") << QStringLiteral("Дверь") << QString();
        QTest::newRow("C1 control without a glyph 0x80") << QString(QChar(0x80)) << QString();
        QTest::newRow("cjk among latin") << QStringLiteral("A門B") << QStringLiteral("AB");
        QTest::newRow("euro sign") << QStringLiteral("€5") << QStringLiteral("€5");
    }
    void shouldDropWhatTheCodePageCannotHold() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QLineEdit edit;
        edit.setValidator(new TTypedTextValidator(&edit));
        edit.setFocus();
        typeText(&edit, typed);
        QCOMPARE(edit.text(), kept);
    }
};

QTEST_MAIN(tst_TTypedTextValidator)
#include "tst_TTypedTextValidator.moc"
