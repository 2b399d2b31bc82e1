#include "app/TAppForms.h"
#include "app/TMainFrm.h"
#include "dbf/TDbfTable.h"
#include "keylist/TDbfKeyView.h"
#include "keylist/TKeyListStore.h"
#include "keylist/ui/TDBEditFrm.h"
#include "keylist/ui/TFindKeyFrm.h"
#include "site/TSiteFile.h"
#include "site/TSiteJournal.h"
#include "site/ui/TSiteFrm.h"
#include "sync/TKeyListFile.h"
#include "sync/TKeyTables.h"
#include "tests/support/TTestFileDialogs.h"
#include "tests/support/TTestMessageBoxes.h"
#include "tests/support/TWindowParts.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

using namespace TWindowParts;

namespace {
// A list whose slave #5 holds key, active, with a note.
TKeyTables siteList(const QString& key) {
    TKeyTables t;
    t.MarkAllEmpty();
    TKeySlot held = t.slave.Slot(4);
    held.active = true;
    held.keyCode = key;
    held.memo = QStringLiteral("Ann");
    t.slave.SetSlot(4, held);
    return t;
}

QByteArray bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace
using Answer = TMessageBoxes::Answer;
using Kind = TMessageBoxes::Kind;

// The program's windows over a private temporary directory, with scripted boxes and file dialogs.
// With VTRK_SCREENSHOTS naming a directory, the tests leave pictures of what they showed there.
struct TWindowFixture {
    QTemporaryDir temp;
    TTestMessageBoxes boxes;
    TTestFileDialogs dialogs;
    TAppForms forms;
    TMainFrm* frm = nullptr;

    TWindowFixture() {
        qputenv("TEMP", QFile::encodeName(temp.path()));
        forms.create();
        frm = forms.MainFrm;
        frm->show();
    }
    ~TWindowFixture() {
        frm->KeyList().SetModified(false);
        frm->close();
    }
    void newList() {
        Action(frm, "DNewBDAct")->trigger();
        boxes.clear();
    }
    static void shoot(QWidget* widget, const QString& name) {
        const QString dir = qEnvironmentVariable("VTRK_SCREENSHOTS");
        if (!dir.isEmpty())
            widget->grab().save(QDir(dir).filePath(name));
    }
    // Runs action once the next modal dialog has started.
    static void whenModal(std::function<void()> action) { QTimer::singleShot(50, action); }
};

class tst_TMainFrmKeyList : public QObject {
    Q_OBJECT
private slots:
    void shouldShowANewListInTheWindow() {
        // Every title carries the place where the desktop marks unsaved changes.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("placeholder")));
        TWindowFixture f;
        QVERIFY(Edit(f.frm, "CtrInfoEdit")->isReadOnly());
        QVERIFY(!ToolBar(f.frm, "ToolBar2")->isEnabled());
        Action(f.frm, "DNewBDAct")->trigger();
        QCOMPARE(f.boxes.texts(), QStringList({"New key list created succesefully."}));
        // The desktop shows the title without "[*]", or with "*" there while changes are unsaved.
        QCOMPARE(f.frm->windowTitle(), QStringLiteral("VELM Tarvikon   Key file: New key list[*]"));
        QCOMPARE(Label(f.frm, "StatusPanel")->text(), QStringLiteral("Key list: new key list"));
        QVERIFY(ToolBar(f.frm, "ToolBar2")->isEnabled());
        QVERIFY(ToolBar(f.frm, "ToolBar3")->isEnabled());
        QVERIFY(!Edit(f.frm, "CtrInfoEdit")->isReadOnly());
        QCOMPARE(Edit(f.frm, "CtrInfoEdit")->text(), QStringLiteral("<unknown>"));
        QCOMPARE(Grid(f.frm, "MKeysGrid")->model()->rowCount(), 8);
        QCOMPARE(Grid(f.frm, "SKeysGrid")->model()->rowCount(), 128);
        QVERIFY(Action(f.frm, "DSaveBDAct")->isEnabled());
        QVERIFY(Action(f.frm, "MenuSaveAs")->isEnabled());
        QVERIFY(!f.frm->KeyList().Modified());
        QVERIFY(QDir(f.frm->Store().WorkDir()).exists(QStringLiteral("SMemo2.ntx")));

        QVERIFY(!Action(f.frm, "MFirstBtn")->isEnabled());
        QVERIFY(Action(f.frm, "MNextBtn")->isEnabled());
        Action(f.frm, "MLastBtn")->trigger();
        QVERIFY(!Action(f.frm, "MNextBtn")->isEnabled());
        QVERIFY(Action(f.frm, "MPriorBtn")->isEnabled());
        QCOMPARE(Grid(f.frm, "MKeysGrid")->currentIndex().row(), 7);

        Pages(f.frm, "PageControl")->setCurrentIndex(1);
        TWindowFixture::shoot(f.frm, QStringLiteral("master-keys.png"));
        Pages(f.frm, "PageControl")->setCurrentIndex(2);
        TWindowFixture::shoot(f.frm, QStringLiteral("slave-keys.png"));
    }

    void shouldTrackChangesOfTheInformationField() {
        TWindowFixture f;
        QLineEdit* info = Edit(f.frm, "CtrInfoEdit");
        QTest::mouseClick(info, Qt::LeftButton);
        QCOMPARE(f.boxes.texts(),
                 QStringList({"To change controller information you must first create or open key list"}));
        f.newList();
        QTest::mouseClick(info, Qt::LeftButton);
        QVERIFY(f.boxes.shown.isEmpty());
        // What the program puts there is no change of the user's; what the user types is.
        info->setText(QStringLiteral("Main entrance"));
        QVERIFY(!f.frm->KeyList().Modified());
        QVERIFY(!f.frm->isWindowModified());
        QTest::keyClicks(info, QStringLiteral(", back door"));
        QCOMPARE(info->text(), QStringLiteral("Main entrance, back door"));
        QVERIFY(f.frm->KeyList().Modified());
        // The title's "[*]" shows it.
        QVERIFY(f.frm->isWindowModified());
    }

    void shouldKeepTheWindowWhenTheChosenSaveDidNotHappen() {
        TWindowFixture f;
        f.newList();
        QTest::keyClicks(Edit(f.frm, "CtrInfoEdit"), QStringLiteral("Changed"));
        f.boxes.queueAnswer(Answer::Yes);
        f.dialogs.queueAnswer(QString());
        QVERIFY(!f.frm->close());
        QVERIFY(f.frm->isVisible());
        QVERIFY(f.frm->KeyList().Modified());
        const QString saved = QDir(f.temp.path()).filePath(QStringLiteral("saved.dbf"));
        f.boxes.queueAnswer(Answer::Yes);
        f.dialogs.queueAnswer(saved);
        const QString workDir = f.frm->Store().WorkDir();
        QVERIFY(f.frm->close());
        QVERIFY(QFile::exists(saved));
        QVERIFY(!QFile::exists(QDir(workDir).filePath(QStringLiteral("tmp01.dbf"))));
        QVERIFY(!QFile::exists(QDir(workDir).filePath(QStringLiteral("MRecId1.ntx"))));
        QVERIFY(!f.frm->Store().MKeysTable().Active());
    }

    void shouldDeactivateAKeyOnlyAfterConfirmation_data() {
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void shouldDeactivateAKeyOnlyAfterConfirmation() {
        QFETCH(bool, confirmed);
        TWindowFixture f;
        f.newList();
        TDbfTable* view = &f.frm->Store().SKeysTable();
        view->Next();
        view->Edit();
        view->FieldByName(QStringLiteral("KEYCODE"))->SetAsString(QStringLiteral("0123456789AB"));
        view->Post();
        f.boxes.queueAnswer(confirmed ? Answer::Ok : Answer::Cancel);
        Action(f.frm, "SDelKeyBtn")->trigger();
        QCOMPARE(f.boxes.texts(), QStringList({"Clear key information?"}));
        QCOMPARE(view->FieldByName(QStringLiteral("KEYCODE"))->AsString(),
                 confirmed ? QStringLiteral("<EMPTY>") : QStringLiteral("0123456789AB"));
    }

    void shouldTellWhenNoKeyWasFound() {
        TWindowFixture f;
        f.newList();
        Pages(f.frm, "PageControl")->setCurrentIndex(2);
        TWindowFixture::whenModal([&f] {
            auto* code = f.forms.FindKeyFrm->findChild<QLineEdit*>(QStringLiteral("KeyCodeEdit"));
            code->setText(QStringLiteral("FFFFFFFFFFFF"));
            TWindowFixture::shoot(f.forms.FindKeyFrm, QStringLiteral("find-key.png"));
            f.forms.FindKeyFrm->findChild<QPushButton*>(QStringLiteral("FindBtn"))->click();
        });
        Action(f.frm, "SFindKeyBtn")->trigger();
        QCOMPARE(f.boxes.shown.size(), 1);
        QCOMPARE(f.boxes.shown[0].kind, Kind::Plain);
        QCOMPARE(f.boxes.shown[0].caption, QStringLiteral("VELM Tarvikon"));
        QCOMPARE(f.boxes.shown[0].text, QStringLiteral("Key with defined parametrs not found."));
        QCOMPARE(Pages(f.frm, "PageControl")->currentIndex(), 2);
    }

    void shouldEditTheDoubleClickedKey() {
        TWindowFixture f;
        f.newList();
        Pages(f.frm, "PageControl")->setCurrentIndex(1);
        f.frm->Store().MKeysTable().Next();
        TWindowFixture::whenModal([&f] {
            TDBEditFrm* dialog = f.forms.DBEditFrm;
            auto* code = dialog->findChild<QLineEdit*>(QStringLiteral("KeyCodeEdit"));
            code->setText(QStringLiteral("00112233AABB"));
            emit code->textEdited(code->text());
            auto* info = dialog->findChild<QLineEdit*>(QStringLiteral("KeyInfoEdit"));
            info->setText(QStringLiteral("Janitor"));
            emit info->textEdited(info->text());
            TWindowFixture::shoot(dialog, QStringLiteral("key-info.png"));
            dialog->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
        });
        QTableView* grid = Grid(f.frm, "MKeysGrid");
        emit grid->doubleClicked(grid->currentIndex());
        QCOMPARE(f.frm->Store().MKeysTable().State(), dsBrowse);
        QCOMPARE(grid->model()->index(1, 1).data().toString(), QStringLiteral("00112233AABB"));
        QCOMPARE(grid->model()->index(1, 3).data().toString(), QStringLiteral("Janitor"));
        QVERIFY(f.frm->KeyList().Modified());
    }
    // A revoke from the Site window reaches the list open in the window through its document; the
    // file waits for the window's save, which would otherwise put the key back.
    void shouldTakeASiteChangeOfTheOpenListIntoItsDocument_data() {
        QTest::addColumn<bool>("editedInWindow");
        QTest::newRow("as on disk") << false;
        QTest::newRow("slot edited in the window") << true;
    }
    void shouldTakeASiteChangeOfTheOpenListIntoItsDocument() {
        QFETCH(bool, editedInWindow);
        TWindowFixture f;
        const QString lost = QStringLiteral("2BC5FB000000");
        const QDir site(f.temp.path());
        for (const char* list : {"a.dbf", "b.dbf"})
            TKeyListFile::Write(siteList(lost), site.filePath(QLatin1String(list)));
        QFile ini(site.filePath(TSiteFile::FileName));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(
            "[site]\nname = Office\n[door]\nname = Main\nlist = a.dbf\n[door]\nname = Back\nlist = b.dbf\n");
        ini.close();
        const QString open = site.filePath(QStringLiteral("a.dbf"));
        f.dialogs.queueAnswer(open);
        Action(f.frm, "DOpenBDAct")->trigger();
        QVERIFY(!f.frm->KeyList().Modified());
        if (editedInWindow) {
            TDbfKeyView view(f.frm->Store().SKeysTable());
            TKeySlot held = view.Load(view.SlotRecords().at(4));
            held.memo = QStringLiteral("Ann, spare");
            view.Store(held.recNo, held);
        }
        const QByteArray onDisk = bytes(open);

        f.dialogs.queueAnswer(ini.fileName());
        Action(f.frm, "MenuSite")->trigger();
        auto* siteFrm = f.frm->findChild<TSiteFrm*>();
        QVERIFY(siteFrm);
        Edit(siteFrm, "SearchEdit")->setText(lost);
        f.boxes.clear();
        siteFrm->findChild<QPushButton*>(QStringLiteral("RevokeBtn"))->click();

        QVERIFY(!TKeyListFile::Read(site.filePath(QStringLiteral("b.dbf"))).slave.Slot(4).active);
        QCOMPARE(bytes(open), onDisk);
        QVERIFY(f.frm->KeyList().Modified());
        TKeyTables shown;
        shown.LoadFrom(f.frm->MasterView(), f.frm->SlaveView());
        QCOMPARE(shown.slave.Slot(4).active, editedInWindow);
        QCOMPARE(shown.slave.Slot(4).keyCode.trimmed(), lost);
        const QString told = f.boxes.texts().join(QLatin1Char('|'));
        QVERIFY2(told.contains(editedInWindow
                                   ? QLatin1String("Slave #5 was changed in the window")
                                   : QLatin1String("Main: changed in the open window; save it there")),
                 qPrintable(told));
        if (editedInWindow)
            return;
        Action(f.frm, "DSaveBDAct")->trigger();
        QVERIFY(!f.frm->KeyList().Modified());
        const TKeySlot saved = TKeyListFile::Read(open).slave.Slot(4);
        QVERIFY(!saved.active);
        QCOMPARE(saved.keyCode, lost);
        // The revoke is journalled once, by the save that put it into the file.
        TSiteJournal::TFilter ofOpenList;
        ofOpenList.names = QStringList{QStringLiteral("a.dbf")};
        const QList<TSiteJournal::TEntry> journal = TSiteJournal(site.path()).Read(ofOpenList);
        QCOMPARE(journal.size(), 1);
        QCOMPARE(journal.first().number, 5);
        QCOMPARE(journal.first().after, QStringLiteral("2BC5FB000000 inactive \"Ann\""));
    }
};

QTEST_MAIN(tst_TMainFrmKeyList)
#include "tst_TMainFrmKeyList.moc"
