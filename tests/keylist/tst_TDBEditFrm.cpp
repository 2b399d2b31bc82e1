#include "keylist/ui/TDBEditFrm.h"
#include "keys/TKeyCode.h"
#include "seams/ui/TScreenScale.h"
#include "tests/keylist/TFakeKeyListHost.h"
#include "tests/keylist/TTypeText.h"
#include "tests/support/TTestMessageBoxes.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
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
    void paste(const char* name, const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(edit(name), Qt::Key_V, Qt::ControlModifier);
    }
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

    // Any written form pasted into the field becomes the 12-digit code, stored in the record, with
    // the engraved form under the field and the mark where a CRC was checked.
    void shouldTurnAPastedFormIntoTheCode_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("checked");
        QTest::newRow("engraved") << "66 000000FBC52B 01"
                                  << "2BC5FB000000" << true;
        QTest::newRow("wire order") << "01-2b-c5-fb-00-00-00-66"
                                    << "2BC5FB000000" << true;
        QTest::newRow("1-Wire tools") << "01.2BC5FB000000"
                                      << "2BC5FB000000" << false;
        QTest::newRow("12 digits") << "2bc5fb000000"
                                   << "2BC5FB000000" << false;
        QTest::newRow("engraving without CRC") << "000000FBC52B 01"
                                               << "2BC5FB000000" << false;
        QTest::newRow("Linux w1 device") << "01-000000fbc52b"
                                         << "2BC5FB000000" << false;
        QTest::newRow("bytes without leading zeros") << "1 2B C5 FB 0 0 0 66"
                                                     << "2BC5FB000000" << true;
        QTest::newRow("C array, engraved order") << "{0x66, 0x00, 0x00, 0x00, 0xFB, 0xC5, 0x2B, 0x01};"
                                                 << "2BC5FB000000" << true;
        QTest::newRow("web page") << QString::fromUtf8("66\u00A0000000FBC52B\u00A001") << "2BC5FB000000"
                                  << true;
    }
    void shouldTurnAPastedFormIntoTheCode() {
        QFETCH(QString, pasted);
        QFETCH(QString, code);
        QFETCH(bool, checked);
        TDialogFixture f;
        f.newList();
        QVERIFY(f.show(1, 2));
        f.enterCode();
        f.paste("KeyCodeEdit", pasted);
        QCOMPARE(f.edit("KeyCodeEdit")->text(), code);
        QVERIFY(f.boxes.shown.isEmpty());
        QCOMPARE(TKeyListFixture::text(f.master, "KEYCODE"), code);
        QCOMPARE(f.edit("EngravedEdit")->text(),
                 code.isEmpty() ? QString() : QStringLiteral("66 000000FBC52B 01"));
        auto* mark = f.dialog.findChild<QLabel*>(QStringLiteral("CodeCheckedLbl"));
        QCOMPARE(mark->isVisible(), checked);
        // Typing afterwards follows the filter again and takes the mark away.
        QTest::keyClick(f.edit("KeyCodeEdit"), Qt::Key_Backspace);
        QVERIFY(!mark->isVisible());
        typeText(f.edit("KeyCodeEdit"), QStringLiteral(" .g"));
        QCOMPARE(f.edit("KeyCodeEdit")->text(), code.left(11));
        QVERIFY(f.edit("EngravedEdit")->text().isEmpty());
    }

    // A paste that does not read stays in the field with the reason the import would give beside
    // it; the record keeps its code, and neither OK nor moving on is possible until it is mended.
    void shouldKeepARefusedPasteAndSayWhy_data() {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("CRC fails") << "67 000000FBC52B 01";
        QTest::newRow("13 digits") << "2BC5FB0000001";
        QTest::newRow("other family") << "02.2BC5FB000000";
        QTest::newRow("byte longer than two digits") << "1 2B C5 FB0 0 0 66";
        QTest::newRow("all zeros") << "00 00 00 00 00 00 00 00";
        QTest::newRow("no-break space is shown") << QString::fromUtf8("2BC5FB\u00B7000000\u00A0");
        QTest::newRow("shorter than the code it replaces") << "67 00";
    }
    void shouldKeepARefusedPasteAndSayWhy() {
        QFETCH(QString, pasted);
        TDialogFixture f;
        f.newList();
        TKeyListFixture::goRow(f.master, 2);
        TKeyListFixture::setKey(f.master, QStringLiteral("111111111111"), true, QString());
        QVERIFY(f.show(1, 2));
        const int recNo = f.master.RecNo();
        f.enterCode();
        f.edit("KeyCodeEdit")->selectAll();
        f.paste("KeyCodeEdit", pasted);
        QCOMPARE(f.edit("KeyCodeEdit")->text(), pasted);
        auto* reason = f.dialog.findChild<QLabel*>(QStringLiteral("CodeProblemLbl"));
        QVERIFY(reason->isVisible());
        QCOMPARE(reason->text(), TKeyCode::Read(pasted).error);
        QVERIFY(!f.button("OkBtn")->isEnabled());
        QCOMPARE(TKeyListFixture::text(f.master, "KEYCODE"), QStringLiteral("111111111111"));
        f.button("NextBtn")->click();
        f.leaveCode();
        QCOMPARE(f.master.RecNo(), recNo);
        QVERIFY(f.boxes.shown.isEmpty());
        // Mended, it is taken.
        f.edit("KeyCodeEdit")->selectAll();
        typeText(f.edit("KeyCodeEdit"), QStringLiteral("2bc5fb000000"));
        QVERIFY(!reason->isVisible());
        QVERIFY(f.button("OkBtn")->isEnabled());
        f.button("OkBtn")->click();
        QVERIFY(!f.dialog.isVisible());
        QCOMPARE(TKeyListFixture::text(f.master, "KEYCODE"), QStringLiteral("2BC5FB000000"));
    }

    // A bare code that starts with zero bytes may be the engraving's middle digits: the dialog
    // asks, showing both readings, unless the text says its order.
    void shouldAskWhichOrderACodeIsIn_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("stored");
        const int yes = int(TMessageBoxes::Answer::Yes), no = int(TMessageBoxes::Answer::No),
                  cancel = int(TMessageBoxes::Answer::Cancel);
        QTest::newRow("typed, as written") << "000000fbc52b" << false << yes << true << "000000FBC52B";
        QTest::newRow("typed, as engraved") << "000000fbc52b" << false << no << true << "2BC5FB000000";
        QTest::newRow("pasted bytes, as engraved")
            << "00 00 00 FB C5 2B" << true << no << true << "2BC5FB000000";
        QTest::newRow("pasted, neither") << "000000FBC52B" << true << cancel << true << "";
        QTest::newRow("family says the order") << "01.000000FBC52B" << true << no << false << "000000FBC52B";
        QTest::newRow("ends in a zero byte") << "0000fbc52b00" << false << no << false << "0000FBC52B00";
    }
    void shouldAskWhichOrderACodeIsIn() {
        QFETCH(QString, text);
        QFETCH(bool, paste);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(QString, stored);
        TDialogFixture f;
        f.newList();
        QVERIFY(f.show(2, 5));
        f.boxes.queueAnswer(TMessageBoxes::Answer(answer));
        if (paste) {
            f.enterCode();
            f.paste("KeyCodeEdit", text);
        } else {
            f.typeCode(text);
        }
        QCOMPARE(f.boxes.shown.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(f.boxes.shown[0].caption, TDBEditFrm::OrderCaption);
            for (const char* reading : {"000000FBC52B", "2BC5FB000000", "66 000000FBC52B 01"})
                QVERIFY2(f.boxes.shown[0].text.contains(QLatin1String(reading)),
                         qPrintable(f.boxes.shown[0].text));
        }
        QCOMPARE(TKeyListFixture::text(f.slave, "KEYCODE"), stored);
        const bool answered = !stored.isEmpty();
        QCOMPARE(f.button("OkBtn")->isEnabled(), answered);
        if (answered)
            QCOMPARE(f.edit("KeyCodeEdit")->text(), stored);
        else
            QVERIFY(f.dialog.findChild<QLabel*>(QStringLiteral("CodeProblemLbl"))
                        ->text()
                        .contains("reads two ways"));
    }

    // A code given here makes the key active; the user may still take that back.
    void shouldMakeAKeyGivenHereActive_data() {
        QTest::addColumn<bool>("heldKey");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<bool>("active");
        QTest::newRow("empty slot, typed") << false << false << true;
        QTest::newRow("empty slot, pasted") << false << true << true;
        QTest::newRow("inactive key, code changed") << true << false << false;
    }
    void shouldMakeAKeyGivenHereActive() {
        QFETCH(bool, heldKey);
        QFETCH(bool, paste);
        QFETCH(bool, active);
        TDialogFixture f;
        f.newList();
        TKeyListFixture::goRow(f.slave, 4);
        if (heldKey)
            TKeyListFixture::setKey(f.slave, QStringLiteral("111111111111"), false, QString());
        QVERIFY(f.show(2, 4));
        f.enterCode();
        f.edit("KeyCodeEdit")->selectAll();
        if (paste) {
            f.paste("KeyCodeEdit", QStringLiteral("66 000000FBC52B 01"));
        } else {
            typeText(f.edit("KeyCodeEdit"), QStringLiteral("2BC5FB000000"));
        }
        QCOMPARE(f.active()->isChecked(), active);
        QCOMPARE(f.slave.FieldByName("KEYSTATUS")->AsBoolean(), active);
        if (active) {
            f.active()->click();
            QTest::keyClick(f.edit("KeyCodeEdit"), Qt::Key_Backspace);
            typeText(f.edit("KeyCodeEdit"), QStringLiteral("1"));
            QVERIFY(!f.active()->isChecked());
        }
        f.button("OkBtn")->click();
        QVERIFY(!f.dialog.isVisible());
    }

    // The controller drops 0xFF ("ÿ") from a note it gives back: such a note is refused with the
    // reason beside it, decomposed or not; a decomposed "ü" is stored as the "ü" it is.
    void shouldRefuseANoteTheControllerCannotGiveBack_data() {
        QTest::addColumn<QString>("note");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("stored"); // empty: refused
        QTest::newRow("typed") << QString::fromUtf8("L'Ha\u00FF-les-Roses") << false << "";
        QTest::newRow("pasted, decomposed") << QString::fromUtf8("L'Hay\u0308-les-Roses") << true << "";
        QTest::newRow("decomposed u umlaut")
            << QString::fromUtf8("Mu\u0308ller") << true << QString::fromUtf8("M\u00FCller");
    }
    void shouldRefuseANoteTheControllerCannotGiveBack() {
        QFETCH(QString, note);
        QFETCH(bool, paste);
        QFETCH(QString, stored);
        TDialogFixture f;
        f.newList();
        QVERIFY(f.show(1, 1));
        f.edit("KeyInfoEdit")->setFocus();
        if (paste) {
            f.paste("KeyInfoEdit", note);
        } else {
            typeText(f.edit("KeyInfoEdit"), note);
        }
        auto* reason = f.dialog.findChild<QLabel*>(QStringLiteral("NoteProblemLbl"));
        QCOMPARE(reason->isVisible(), stored.isEmpty());
        QCOMPARE(f.button("OkBtn")->isEnabled(), !stored.isEmpty());
        if (!stored.isEmpty())
            QCOMPARE(TKeyListFixture::text(f.master, "KEYMEMO"), stored);
        if (stored.isEmpty()) {
            QVERIFY(!TKeyListFixture::text(f.master, "KEYMEMO").contains(QChar(0xFF)));
            QVERIFY2(reason->text().contains(QString::fromUtf8("\"\u00FF\"")), qPrintable(reason->text()));
            QCOMPARE(f.edit("KeyInfoEdit")->text(), note.normalized(QString::NormalizationForm_C));
        }
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
        QVERIFY(f.active()->isChecked()); // a code given here makes the key active
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
