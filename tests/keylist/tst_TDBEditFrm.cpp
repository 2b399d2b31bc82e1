#include "keylist/ui/TDBEditFrm.h"
#include "seams/ui/TScreenScale.h"
#include "tests/keylist/TFakeKeyListHost.h"
#include "tests/keylist/TTypeText.h"
#include "tests/support/TTestMessageBoxes.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using Kind = TMessageBoxes::Kind;

// The key info dialog over a new key list, shown for the master or the slave page.
struct TDialogFixture : TKeyListFixture {
    int page = 1;
    TDBEditFrm dialog{store, [this] { return page; }};
    TTestMessageBoxes boxes;

    QLineEdit* edit(const char* name) { return dialog.findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) {
        return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QCheckBox* active() { return dialog.findChild<QCheckBox*>(QStringLiteral("ActiveCB")); }
    TDbfTable& view() { return page == 1 ? master : slave; }

    bool show(int onPage, int row) {
        page = onPage;
        goRow(view(), row);
        commands.Reset();
        dialog.FormShow();
        dialog.show();
        dialog.activateWindow();
        return QTest::qWaitForWindowActive(&dialog);
    }
    void enterCode() { edit("KeyCodeEdit")->setFocus(); }
    void leaveCode() { edit("KeyInfoEdit")->setFocus(); }
    void typeCode(const QString& text) {
        enterCode();
        typeText(edit("KeyCodeEdit"), text);
    }
};

class tst_TDBEditFrm : public QObject {
    Q_OBJECT
private slots:
    void shouldScaleItselfToTheScreenAtCreation() {
        TDialogFixture f;
        const double factor = TScreenScale::factorFor(f.dialog.screen()->logicalDotsPerInch());
        for (const char* name : {"FirstBtn", "PriorBtn", "NextBtn", "LastBtn"}) {
            QCOMPARE(f.button(name)->minimumWidth(), qRound(36 * factor));
            QCOMPARE(f.button(name)->maximumWidth(), qRound(36 * factor));
        }
        QCOMPARE(f.button("OkBtn")->maximumWidth(), qRound(90 * factor));
        QCOMPARE(f.dialog.font().pointSizeF(), QApplication::font().pointSizeF() * factor);
    }

    void shouldShowThePageKeyInEditStateAndMarkTheListChanged_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("keyType");
        QTest::newRow("master") << 1 << "Master Key Info"
                                << "MASTER KEY";
        QTest::newRow("slave") << 2 << "Slave Key Info"
                               << "SLAVE KEY";
    }
    void shouldShowThePageKeyInEditStateAndMarkTheListChanged() {
        QFETCH(int, page);
        QFETCH(QString, caption);
        QFETCH(QString, keyType);
        TDialogFixture f;
        f.newList();
        QVERIFY(f.show(page, 4));
        QCOMPARE(f.dialog.windowTitle(), caption);
        QCOMPARE(f.edit("KeyTypeEdit")->text(), keyType);
        QCOMPARE(f.edit("RecNoEdit")->text(), QStringLiteral("5"));
        QCOMPARE(f.edit("KeyCodeEdit")->text(), QStringLiteral("<EMPTY>"));
        QVERIFY(f.edit("RecNoEdit")->isReadOnly());
        QCOMPARE(f.view().State(), dsEdit);
        QVERIFY(f.commands.KeyListModified());
        f.button("OkBtn")->click();
        QVERIFY(!f.dialog.isVisible());
        QCOMPARE(f.view().State(), dsBrowse);
        QVERIFY(f.commands.KeyListModified());
        QVERIFY(f.boxes.shown.isEmpty());
    }

    void shouldTakeOnlyHexadecimalDigitsInUpperCase() {
        TDialogFixture f;
        f.newList();
        QVERIFY(f.show(1, 0));
        f.enterCode();
        QCOMPARE(f.edit("KeyCodeEdit")->text(), QString());
        typeText(f.edit("KeyCodeEdit"), QStringLiteral("ag- b0x9F"));
        QCOMPARE(f.edit("KeyCodeEdit")->text(), QStringLiteral("AB09F"));
        QCOMPARE(TKeyListFixture::text(f.master, "KEYCODE"), QStringLiteral("AB09F"));
        typeText(f.edit("KeyCodeEdit"), QStringLiteral("0123456789"));
        QCOMPARE(f.edit("KeyCodeEdit")->text().size(), 12);
        QTest::keyClick(f.edit("KeyCodeEdit"), Qt::Key_Backspace);
        QCOMPARE(f.edit("KeyCodeEdit")->text(), QStringLiteral("AB09F012345"));
    }

    void shouldPutEmptyBackWhenTheCodeIsLeftEmpty() {
        TDialogFixture f;
        f.newList();
        QVERIFY(f.show(2, 7));
        f.enterCode();
        QCOMPARE(f.edit("KeyCodeEdit")->text(), QString());
        f.leaveCode();
        QCOMPARE(f.edit("KeyCodeEdit")->text(), QStringLiteral("<EMPTY>"));
        QCOMPARE(TKeyListFixture::text(f.slave, "KEYCODE"), QStringLiteral("<EMPTY>"));
        QVERIFY(f.boxes.shown.isEmpty());
    }

    void shouldRefuseACodeAnotherKeyHolds_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("holderIsMaster");
        QTest::addColumn<int>("sortColumn");
        QTest::newRow("master key, held by a master key") << 1 << true << 0;
        QTest::newRow("master key, held by a slave key") << 1 << false << 0;
        QTest::newRow("slave key, held by a master key, sorted by code") << 2 << true << 1;
        QTest::newRow("slave key, held by a slave key, sorted by memo") << 2 << false << 3;
    }
    void shouldRefuseACodeAnotherKeyHolds() {
        QFETCH(int, page);
        QFETCH(bool, holderIsMaster);
        QFETCH(int, sortColumn);
        TDialogFixture f;
        f.newList();
        TDbfTable& holder = holderIsMaster ? f.master : f.slave;
        TKeyListFixture::goRow(holder, 6);
        TKeyListFixture::setKey(holder, QStringLiteral("0011223344AA"), true, QStringLiteral("held"));
        f.store.SortBy(f.master, sortColumn, true);
        f.store.SortBy(f.slave, sortColumn, true);
        QVERIFY(f.show(page, 2));
        const int masterRecNo = f.master.RecNo(), slaveRecNo = f.slave.RecNo();
        f.typeCode(QStringLiteral("0011223344aa"));
        f.leaveCode();
        QCOMPARE(f.boxes.texts(), QStringList({"Key with defined code already excist!"}));
        QVERIFY(f.edit("KeyCodeEdit")->hasFocus());
        QCOMPARE(f.master.RecNo(), masterRecNo);
        QCOMPARE(f.slave.RecNo(), slaveRecNo);
        f.button("OkBtn")->click();
        f.button("NextBtn")->click();
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(f.view().RecNo(), page == 1 ? masterRecNo : slaveRecNo);
        QTest::keyClick(f.edit("KeyCodeEdit"), Qt::Key_Backspace);
        typeText(f.edit("KeyCodeEdit"), QStringLiteral("B"));
        f.boxes.clear();
        f.leaveCode();
        QVERIFY(f.boxes.shown.isEmpty());
        f.active()->click();
        f.button("OkBtn")->click();
        QVERIFY(!f.dialog.isVisible());
        QCOMPARE(TKeyListFixture::text(f.view(), "KEYCODE"), QStringLiteral("0011223344AB"));
        QVERIFY(f.view().FieldByName("KEYSTATUS")->AsBoolean());
    }

    void shouldAcceptTheRecordsOwnCode() {
        TDialogFixture f;
        f.newList();
        TKeyListFixture::goRow(f.slave, 3);
        TKeyListFixture::setKey(f.slave, QStringLiteral("ABCDEFABCDEF"), true, QString());
        QVERIFY(f.show(2, 3));
        f.enterCode();
        f.leaveCode();
        QVERIFY(f.boxes.shown.isEmpty());
        f.button("OkBtn")->click();
        QVERIFY(!f.dialog.isVisible());
    }

    void shouldDemandTwelveCharactersOfAnActiveKey() {
        TDialogFixture f;
        f.newList();
        QVERIFY(f.show(1, 0));
        f.active()->click();
        QVERIFY(f.master.FieldByName("KEYSTATUS")->AsBoolean());
        f.button("OkBtn")->click();
        QCOMPARE(f.boxes.texts(), QStringList({"Lenght of key code must be 12 symbols"}));
        QVERIFY(f.dialog.isVisible());
        f.boxes.clear();
        f.dialog.close();
        QCOMPARE(f.boxes.texts(), QStringList({"Lenght of key code must be 12 symbols."}));
        QVERIFY(f.dialog.isVisible());

        f.typeCode(QStringLiteral("0123456789A"));
        const int recNo = f.master.RecNo();
        f.boxes.clear();
        f.button("NextBtn")->click();
        QCOMPARE(f.boxes.texts(), QStringList({"Lenght of key code must be 12 symbols"}));
        QCOMPARE(f.master.RecNo(), recNo);
        QCOMPARE(f.master.State(), dsEdit);

        f.active()->click();
        f.boxes.clear();
        f.button("NextBtn")->click();
        QVERIFY(f.boxes.shown.isEmpty());
        QVERIFY(f.master.RecNo() != recNo);
    }

    void shouldMoveThroughTheViewAndStoreWhatWasTyped() {
        TDialogFixture f;
        f.newList();
        QVERIFY(f.show(2, 0));
        f.typeCode(QStringLiteral("111111111111"));
        f.edit("KeyInfoEdit")->setFocus();
        typeText(f.edit("KeyInfoEdit"), QStringLiteral("Caretaker Müller"));
        f.button("NextBtn")->click();
        QCOMPARE(f.edit("RecNoEdit")->text(), QStringLiteral("2"));
        QCOMPARE(f.slave.State(), dsEdit);
        f.button("LastBtn")->click();
        QCOMPARE(f.edit("RecNoEdit")->text(), QStringLiteral("128"));
        f.button("PriorBtn")->click();
        QCOMPARE(f.edit("RecNoEdit")->text(), QStringLiteral("127"));
        f.button("FirstBtn")->click();
        QCOMPARE(f.edit("RecNoEdit")->text(), QStringLiteral("1"));
        QCOMPARE(f.edit("KeyCodeEdit")->text(), QStringLiteral("111111111111"));
        QCOMPARE(f.edit("KeyInfoEdit")->text(), QStringLiteral("Caretaker Müller"));
        f.button("OkBtn")->click();
        TKeyListFixture::goRow(f.slave, 0);
        QCOMPARE(TKeyListFixture::text(f.slave, "KEYMEMO"), QStringLiteral("Caretaker Müller"));
    }

    // OK is the only way out: Escape and a close request leave the dialog open on what was typed.
    void shouldCloseOnlyThroughOk() {
        TDialogFixture f;
        f.newList();
        QVERIFY(f.show(1, 3));
        f.edit("KeyInfoEdit")->setFocus();
        typeText(f.edit("KeyInfoEdit"), QStringLiteral("Spare"));
        QTest::keyClick(&f.dialog, Qt::Key_Escape);
        QVERIFY(f.dialog.isVisible());
        f.dialog.close();
        QVERIFY(f.dialog.isVisible());
        QVERIFY(f.boxes.shown.isEmpty());
        QCOMPARE(f.master.State(), dsEdit);
        QCOMPARE(f.edit("KeyInfoEdit")->text(), QStringLiteral("Spare"));
        f.button("OkBtn")->click();
        QVERIFY(!f.dialog.isVisible());
        QCOMPARE(f.master.State(), dsBrowse);
        QCOMPARE(TKeyListFixture::text(f.master, "KEYMEMO"), QStringLiteral("Spare"));
    }
};

QTEST_MAIN(tst_TDBEditFrm)
#include "tst_TDBEditFrm.moc"
