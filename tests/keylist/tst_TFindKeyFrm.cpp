#include "keylist/ui/TFindKeyFrm.h"
#include "tests/keylist/TFakeKeyListHost.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class tst_TFindKeyFrm : public QObject {
    Q_OBJECT
private slots:
    void shouldOpenEmptyWithTheTypeOfThePage_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("type");
        QTest::newRow("controller page") << 0 << "Any Type";
        QTest::newRow("master page") << 1 << "Master Key";
        QTest::newRow("slave page") << 2 << "Slave Key";
    }
    void shouldOpenEmptyWithTheTypeOfThePage() {
        QFETCH(int, page);
        QFETCH(QString, type);
        TKeyListFixture f;
        f.newList();
        TFindKeyFrm dialog(f.store, [&page] { return page; });
        auto* code = dialog.findChild<QLineEdit*>("KeyCodeEdit");
        auto* info = dialog.findChild<QLineEdit*>("KeyInfoEdit");
        auto* combo = dialog.findChild<QComboBox*>("KeyTypeCombo");
        code->setText("ABC");
        info->setText("left from before");
        combo->setCurrentIndex(2 - page % 3);
        dialog.FormShow();
        QVERIFY(code->text().isEmpty());
        QVERIFY(info->text().isEmpty());
        QCOMPARE(combo->currentText(), type);
        QCOMPARE(code->maxLength(), 12);
        QCOMPARE(info->maxLength(), 25);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Find Key Dialog"));
    }

    void shouldSearchTheChosenViews_data() {
        QTest::addColumn<int>("typeIndex");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("masterMoved");
        QTest::addColumn<bool>("slaveMoved");
        QTest::newRow("master key among masters")
            << 0 << "AAAAAAAAAAAA" << int(QDialog::Accepted) << true << false;
        QTest::newRow("slave key among masters")
            << 0 << "BBBBBBBBBBBB" << TFindKeyFrm::ResultNo << false << false;
        QTest::newRow("slave key among slaves")
            << 1 << "bbbbbbbbbbbb" << int(QDialog::Accepted) << false << true;
        QTest::newRow("slave key, any type")
            << 2 << "BBBBBBBBBBBB" << int(QDialog::Accepted) << false << true;
        QTest::newRow("master key, any type")
            << 2 << "AAAAAAAAAAAA" << int(QDialog::Accepted) << true << false;
        QTest::newRow("unknown key, any type")
            << 2 << "CCCCCCCCCCCC" << TFindKeyFrm::ResultNo << false << false;
    }
    void shouldSearchTheChosenViews() {
        QFETCH(int, typeIndex);
        QFETCH(QString, code);
        QFETCH(int, result);
        QFETCH(bool, masterMoved);
        QFETCH(bool, slaveMoved);
        TKeyListFixture f;
        f.newList();
        TKeyListFixture::goRow(f.master, 5);
        TKeyListFixture::setKey(f.master, QStringLiteral("AAAAAAAAAAAA"), true, QStringLiteral("Door"));
        TKeyListFixture::goRow(f.slave, 77);
        TKeyListFixture::setKey(f.slave, QStringLiteral("BBBBBBBBBBBB"), true, QStringLiteral("Door"));
        f.master.First();
        f.slave.First();
        const int masterRecNo = f.master.RecNo(), slaveRecNo = f.slave.RecNo();
        int page = 1;
        TFindKeyFrm dialog(f.store, [&page] { return page; });
        dialog.FormShow();
        dialog.findChild<QComboBox*>("KeyTypeCombo")->setCurrentIndex(typeIndex);
        dialog.findChild<QLineEdit*>("KeyCodeEdit")->setText(code);
        dialog.findChild<QLineEdit*>("KeyInfoEdit")->setText(QStringLiteral("DOOR"));
        dialog.open();
        dialog.findChild<QPushButton*>("FindBtn")->click();
        QCOMPARE(dialog.result(), result);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(f.master.RecNo() != masterRecNo, masterMoved);
        QCOMPARE(f.slave.RecNo() != slaveRecNo, slaveMoved);
        if (masterMoved || slaveMoved)
            QCOMPARE(TKeyListFixture::text(masterMoved ? f.master : f.slave, "KEYCODE"), code.toUpper());
    }
};

QTEST_MAIN(tst_TFindKeyFrm)
#include "tst_TFindKeyFrm.moc"
