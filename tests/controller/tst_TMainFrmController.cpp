// The main window's controller handlers against the simulator on a pseudo-terminal.
#include "app/TAppForms.h"
#include "app/TMainFrm.h"
#include "controller/TControllerSession.h"
#include "controller/ui/TLineTestFrm.h"
#include "dbf/TDbfTable.h"
#include "keylist/TKeyListStore.h"
#include "seams/TSleep.h"
#include "serial/TSerComPort.h"
#include "serial/ui/TSerStatusLight.h"
#include "site/TSite.h"
#include "site/TSiteFile.h"
#include "site/TSiteJournal.h"
#include "site/ui/TSiteFrm.h"
#include "sync/TKeyListFile.h"
#include "sync/TKeyTables.h"
#include "tests/support/TTestFileDialogs.h"
#include "tests/support/TTestMessageBoxes.h"
#include "tests/support/TTestPortChooser.h"
#include "tests/support/TWindowParts.h"
#include "tools/ctrlsim/TControllerSim.h"
#include "tools/ctrlsim/TPtyController.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <chrono>
#include <functional>
#include <thread>

using namespace TWindowParts;

namespace {
std::function<void()> duringWait;
void shortWait(int) {
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
    if (duringWait)
        duringWait();
}

// Pictures for the README when VTRK_SHOT_DIR names a directory.
void shoot(QWidget* widget, const char* name) {
    const QString dir = qEnvironmentVariable("VTRK_SHOT_DIR");
    if (!dir.isEmpty())
        widget->grab().save(dir + QLatin1Char('/') + QLatin1String(name));
}
} // namespace

class tst_TMainFrmController : public QObject {
    Q_OBJECT

    QTemporaryDir temp;
    TControllerSim sim;
    TPtyController line{sim};

private slots:
    void initTestCase();
    void init() { TSleep::setHandler(shortWait); }
    void cleanup();
    void cleanupTestCase() { line.Stop(); }

    void shouldReadAllControllerDataIntoTheWindow();
    void shouldRunTheLineTestFromTheMainWindow();
    void shouldGiveEachWidgetBackItsStateAfterACommand();
    void shouldCloseThePortWhenTheAdapterIsPulled_data();
    void shouldCloseThePortWhenTheAdapterIsPulled();
    void shouldCloseThePortBeforeTheWindowGoes();
    void shouldGoTheDoorRoundFromTheSiteWindow_data();
    void shouldGoTheDoorRoundFromTheSiteWindow();
};

void tst_TMainFrmController::initTestCase() {
    std::string error;
    QVERIFY2(line.Start(error), error.c_str());
    qputenv("VTRK_COM7", QByteArray::fromStdString(line.DevicePath()));
    qputenv("TEMP", temp.path().toUtf8());
}

void tst_TMainFrmController::cleanup() {
    duringWait = nullptr;
    TSleep::setHandler(nullptr);
}

void tst_TMainFrmController::shouldReadAllControllerDataIntoTheWindow() {
    TTestMessageBoxes boxes;
    TTestPortChooser chooser;
    TAppForms forms;
    forms.create();
    TMainFrm& frm = *forms.MainFrm;
    frm.show();
    Action(&frm, "DNewBDAct")->trigger();
    QVERIFY(frm.Store().MKeysTable().Active());

    chooser.queueAnswer(7);
    Action(&frm, "MenuSelectPort")->trigger();
    QVERIFY(frm.Port().Open());
    QVERIFY(Label(&frm, "CntrStatusLbl")->text().contains(QStringLiteral("COM7")));
    QVERIFY(Action(&frm, "DGetInfoAct")->isEnabled());
    QVERIFY(Action(&frm, "DCheckAct")->isEnabled());
    QVERIFY(!Action(&frm, "DGetAllAct")->isEnabled());

    Action(&frm, "DGetInfoAct")->trigger();
    QVERIFY(Action(&frm, "DGetAllAct")->isEnabled());
    QCOMPARE(Edit(&frm, "PrgVersionEdit")->text(), QStringLiteral("VELM Tarvikon v.1.0"));
    QCOMPARE(Edit(&frm, "CtrSerialEdit")->text(), QStringLiteral("VT000417"));
    QCOMPARE(Edit(&frm, "CtrInfoEdit")->text(), QStringLiteral("Main entrance"));
    QCOMPARE(Edit(&frm, "KeyTypeEdit")->text(), QStringLiteral("Dallas Touch Memory DS-1990A"));
    shoot(&frm, "main-window-info.png");
    // The new list's header record took the controller's serial number and text: a change.
    QVERIFY(frm.KeyList().Modified());
    // Read again, nothing of the header record changes, and neither does the list.
    frm.KeyList().SetModified(false);
    Action(&frm, "DGetInfoAct")->trigger();
    QCOMPARE(Edit(&frm, "CtrInfoEdit")->text(), QStringLiteral("Main entrance"));
    QVERIFY(!frm.KeyList().Modified());

    // While the transfer runs the window repaints, and what would change the port, the views or
    // the key list waits.
    int checks = 0;
    bool heldOff = true;
    duringWait = [&] {
        if (++checks % 20 != 1)
            return;
        heldOff = heldOff && !frm.menuBar()->isEnabled() && !ToolBar(&frm, "ToolBar1")->isEnabled() &&
                  !Grid(&frm, "SKeysGrid")->isEnabled();
        heldOff = heldOff && !frm.close() && frm.isVisible();
        const int shown = chooser.shown;
        Action(&frm, "MenuSelectPort")->trigger();
        Action(&frm, "DCheckAct")->trigger();
        heldOff = heldOff && chooser.shown == shown && !forms.LineTestFrm->isVisible();
    };
    boxes.clear();
    Action(&frm, "DGetAllAct")->trigger();
    duringWait = nullptr;
    QVERIFY(checks > 136);
    QVERIFY(heldOff);
    QVERIFY(frm.menuBar()->isEnabled() && Grid(&frm, "SKeysGrid")->isEnabled());
    QCOMPARE(boxes.texts().size(), 1); // the confirmation
    QVERIFY(frm.KeyList().Modified());

    TDbfTable& master = frm.Store().MKeysTable();
    master.First();
    QCOMPARE(master.FieldByName(QStringLiteral("KEYCODE"))->AsString(), QStringLiteral("01A2B3C4D5E6"));
    QCOMPARE(master.FieldByName(QStringLiteral("KEYMEMO"))->AsString(), QStringLiteral("Installer"));
    TDbfTable& slave = frm.Store().SKeysTable();
    slave.First();
    slave.Next();
    slave.Next();
    QCOMPARE(slave.FieldByName(QStringLiteral("KEYMEMO"))->AsString(), QStringLiteral("Post office"));
    QCOMPARE(frm.ControllerSession().Exchange().sequence(),
             quint8(3 + 3 + 3 + 136)); // info read twice, the gate, the slots
    Pages(&frm, "PageControl")->setCurrentIndex(1);
    shoot(&frm, "main-window-master-keys.png");
    Pages(&frm, "PageControl")->setCurrentIndex(0);

    boxes.queueAnswer(TMessageBoxes::Answer::No);
    frm.close();
    QVERIFY(!frm.Port().Open());
}

void tst_TMainFrmController::shouldRunTheLineTestFromTheMainWindow() {
    TTestMessageBoxes boxes;
    TTestPortChooser chooser;
    TAppForms forms;
    forms.create();
    TMainFrm& frm = *forms.MainFrm;
    frm.show();
    chooser.queueAnswer(7);
    Action(&frm, "MenuSelectPort")->trigger();
    {
        std::lock_guard<std::mutex> hold(line.Lock());
        sim.SetFault(TControllerSim::LineTest, TControllerSim::Form::Any, TControllerSim::Fault::NoAnswer, 4);
    }
    TLineTestFrm* test = forms.LineTestFrm;
    QVERIFY(test);
    int cycles = 0;
    duringWait = [&] {
        if (++cycles == 1)
            QVERIFY(test->isVisible());
        if (cycles == 25) {
            shoot(test, "line-test.png");
            test->StopBtn->click();
            test->ExitBtn->click();
        }
    };
    QTimer::singleShot(0, test->StartBtn, [test] { test->StartBtn->click(); });
    Action(&frm, "DCheckAct")->trigger(); // modal until Exit
    QCOMPARE(test->Edit1->text(), QStringLiteral("21"));
    QCOMPARE(test->Edit2->text(), QStringLiteral("4"));
    QVERIFY(test->Light1->Lit() && test->Light2->Lit());
    QCOMPARE(boxes.shown.size(), 0);
    frm.close();
}

void tst_TMainFrmController::shouldGiveEachWidgetBackItsStateAfterACommand() {
    TTestMessageBoxes boxes;
    TTestPortChooser chooser;
    TAppForms forms;
    forms.create();
    TMainFrm& frm = *forms.MainFrm;
    frm.show(); // no key list: the key pages' toolbars are disabled
    chooser.queueAnswer(7);
    Action(&frm, "MenuSelectPort")->trigger();
    QList<QWidget*> widgets = {frm.menuBar()};
    for (const char* name : {"ToolBar1", "ToolBar2", "ToolBar3", "MKeysGrid", "SKeysGrid", "CtrInfoEdit"})
        widgets.append(Part<QWidget>(&frm, name));
    QList<bool> before;
    for (QWidget* widget : widgets)
        before.append(widget->isEnabled());
    QVERIFY(!ToolBar(&frm, "ToolBar2")->isEnabled() && !ToolBar(&frm, "ToolBar3")->isEnabled());
    Action(&frm, "DGetInfoAct")->trigger();
    QVERIFY(Action(&frm, "DGetAllAct")->isEnabled());
    for (int i = 0; i < widgets.size(); ++i)
        QVERIFY2(widgets[i]->isEnabled() == before[i], qPrintable(widgets[i]->objectName()));
    QCOMPARE(boxes.shown.size(), 0);
    frm.close();
}

void tst_TMainFrmController::shouldCloseThePortWhenTheAdapterIsPulled_data() {
    QTest::addColumn<bool>("lineTest");
    QTest::newRow("during a transfer") << false;
    QTest::newRow("during the line test") << true;
}

void tst_TMainFrmController::shouldCloseThePortWhenTheAdapterIsPulled() {
    QFETCH(bool, lineTest);
    TTestMessageBoxes boxes;
    TTestPortChooser chooser;
    TControllerSim ownSim;
    TPtyController adapter(ownSim);
    std::string error;
    QVERIFY2(adapter.Start(error), error.c_str());
    qputenv("VTRK_COM7", QByteArray::fromStdString(adapter.DevicePath()));
    struct Restore {
        QByteArray path;
        ~Restore() { qputenv("VTRK_COM7", path); } // the other cases' line, also after a failure
    } restore{QByteArray::fromStdString(line.DevicePath())};
    TAppForms forms;
    forms.create();
    TMainFrm& frm = *forms.MainFrm;
    frm.show();
    Action(&frm, "DNewBDAct")->trigger();
    chooser.queueAnswer(7);
    Action(&frm, "MenuSelectPort")->trigger();
    Action(&frm, "DGetInfoAct")->trigger();
    QVERIFY(Action(&frm, "DGetSKeysAct")->isEnabled());
    boxes.clear();

    int waits = 0;
    duringWait = [&] {
        if (++waits == 10)
            adapter.Stop(); // pulled out
    };
    TLineTestFrm* test = forms.LineTestFrm;
    if (lineTest) {
        test->show();
        test->StartBtn->click(); // returns once the run has ended by itself
        QVERIFY(waits >= 10);
        QVERIFY2(test->StartBtn->isEnabled() && !test->StopBtn->isEnabled() && test->ExitBtn->isEnabled(),
                 qPrintable(boxes.texts().join(QLatin1Char('|'))));
        QCOMPARE(boxes.shown.size(), 0);
        test->ExitBtn->click();
    } else {
        Action(&frm, "DGetSKeysAct")->trigger();
        QCOMPARE(boxes.count(TMessageBoxes::Kind::Error), 1);
        QVERIFY(boxes.texts().last().startsWith(QLatin1String("The controller port COM7 was disconnected.")));
        QVERIFY(frm.menuBar()->isEnabled() && ToolBar(&frm, "ToolBar2")->isEnabled());
    }
    duringWait = nullptr;
    QVERIFY(!frm.Port().Open());
    QLabel* status = Label(&frm, "CntrStatusLbl");
    QVERIFY(status->text().contains(QStringLiteral("NOT SELECTED")));
    QCOMPARE(status->palette().color(QPalette::WindowText), TMainFrm::portStatusColor(false));
    for (const char* name : {"DCheckAct", "DGetInfoAct", "DGetSKeysAct", "DPutAllAct"})
        QVERIFY2(!Action(&frm, name)->isEnabled(), name);
    boxes.queueAnswer(TMessageBoxes::Answer::No);
    frm.close();
}

void tst_TMainFrmController::shouldCloseThePortBeforeTheWindowGoes() {
    TTestMessageBoxes boxes;
    TTestPortChooser chooser;
    {
        TAppForms forms;
        forms.create();
        forms.MainFrm->show();
        chooser.queueAnswer(7);
        Action(forms.MainFrm, "MenuSelectPort")->trigger();
        QVERIFY(forms.MainFrm->Port().Open());
    } // destroyed with the port open, without closing the window first
    // the device is free again: the port was closed, through no handler of the window
    TSerComPort port;
    port.SetAutoOpen(false);
    port.SetComNumber(7);
    port.SetOpen(true);
    QVERIFY(port.Open());
    port.SetOpen(false);
    QCOMPARE(boxes.shown.size(), 0);
}

// The Site window's door round: the controller on the port (VT000417) is recognised by its serial
// number. Its door's list is opened and only what differs is written; a door without a controller
// is linked to it when chosen; an unknown controller is read into a new list and added.
void tst_TMainFrmController::shouldGoTheDoorRoundFromTheSiteWindow_data() {
    QTest::addColumn<QString>("doors"); // the site file's doors
    QTest::addColumn<int>("chosenRow"); // -1: none
    QTest::addColumn<bool>("written");  // the list's key reached the controller
    QTest::addColumn<QString>("list");  // the door's list afterwards
    QTest::newRow("known door") << "[door]\nserial = VT000417\nname = Main\nlist = door.dbf\n"
                                << -1 << true << "door.dbf";
    QTest::newRow("door without a controller, chosen")
        << "[door]\nname = Back\nlist = door.dbf\n[door]\nserial = VT9\nname = Shed\nlist = shed.dbf\n"
        << 0 << true << "door.dbf";
    QTest::newRow("unknown controller, added") << "[door]\nserial = VT9\nname = Shed\nlist = shed.dbf\n"
                                               << -1 << false << "VT000417.dbf";
}

void tst_TMainFrmController::shouldGoTheDoorRoundFromTheSiteWindow() {
    QFETCH(QString, doors);
    QFETCH(int, chosenRow);
    QFETCH(bool, written);
    QFETCH(QString, list);
    const QString code = QStringLiteral("01000000AB12");
    {
        std::lock_guard<std::mutex> hold(line.Lock());
        sim.FillDemo();
    }
    QTemporaryDir site;
    // The door's list wants one key the controller lacks, and of those it holds only the installer's.
    TKeyTables wanted;
    wanted.serial =
        doors.startsWith(QLatin1String("[door]\nserial = VT000417")) ? QStringLiteral("VT000417") : QString();
    wanted.MarkAllEmpty();
    const auto hold = [](TMemoryKeyView& table, int slot, const QString& keyCode, const QString& note) {
        TKeySlot key = table.Slot(slot);
        key.active = true;
        key.keyCode = keyCode;
        key.memo = note;
        table.SetSlot(slot, key);
    };
    hold(wanted.slave, 9, code, QStringLiteral("Ann"));
    hold(wanted.master, 0, QStringLiteral("01A2B3C4D5E6"), QStringLiteral("Installer"));
    TKeyListFile::Write(wanted, site.filePath(QStringLiteral("door.dbf")));
    TKeyTables shed;
    shed.serial = QStringLiteral("VT9");
    shed.MarkAllEmpty();
    TKeyListFile::Write(shed, site.filePath(QStringLiteral("shed.dbf")));
    QFile ini(site.filePath(TSiteFile::FileName));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[site]\nname = Office\n" + doors.toUtf8());
    ini.close();

    TTestMessageBoxes boxes;
    TTestPortChooser chooser;
    TTestFileDialogs dialogs;
    TAppForms forms;
    forms.create();
    TMainFrm& frm = *forms.MainFrm;
    frm.show();
    // Another door's list is open: it must not take this controller's serial number.
    dialogs.queueAnswer(site.filePath(QStringLiteral("shed.dbf")));
    Action(&frm, "DOpenBDAct")->trigger();
    QCOMPARE(frm.ControllerSerial(), QStringLiteral("VT9"));
    dialogs.queueAnswer(site.filePath(TSiteFile::FileName));
    Action(&frm, "MenuSite")->trigger();
    auto* siteFrm = frm.findChild<TSiteFrm*>();
    QVERIFY(siteFrm);
    auto* doorTable = siteFrm->findChild<QTableWidget*>(QStringLiteral("DoorTable"));
    if (chosenRow >= 0)
        doorTable->selectRow(chosenRow);
    // The link or the add is a question whose default is No; the differences are written.
    boxes.queueAnswer(TMessageBoxes::Answer::Yes);
    QTimer writer;
    connect(&writer, &QTimer::timeout, &writer, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            if (auto* write = modal->findChild<QPushButton*>(QStringLiteral("WriteBtn")))
                write->click();
    });
    writer.start(20);
    chooser.queueAnswer(7);
    siteFrm->findChild<QPushButton*>(QStringLiteral("DoorRoundBtn"))->click();
    writer.stop();

    const TSite after = TSite::Load(site.path());
    const TSiteDoor* door = after.DoorOfSerial(QStringLiteral("VT000417"));
    QVERIFY2(door, qPrintable(boxes.texts().join(QLatin1Char('|'))));
    QCOMPARE(door->list, list);
    QCOMPARE(QFileInfo(frm.KeyList().Path()).fileName(), list);
    {
        std::lock_guard<std::mutex> hold(line.Lock());
        const TControllerSim::SlotRecord sent = TControllerSim::ActiveSlot(9, code.toStdString(), "Ann");
        QCOMPARE(std::equal(sent.begin() + 1, sent.begin() + 8, sim.slave[9].begin() + 1), written);
        // Added, the controller kept what it held; written, it holds the list's keys alone.
        QCOMPARE(sim.slave[2] == TControllerSim::ActiveSlot(2, "01000000BEEF", "Post office"), !written);
    }
    // The status the team sees: the door was seen holding its list.
    int row = 0;
    while (row < doorTable->rowCount() && doorTable->item(row, 2)->text() != QLatin1String("VT000417"))
        ++row;
    QVERIFY(row < doorTable->rowCount());
    QCOMPARE(doorTable->item(row, 6)->text(), QStringLiteral("in step"));
    QCOMPARE(TKeyListFile::HeaderSerial(site.filePath(QStringLiteral("shed.dbf"))), QStringLiteral("VT9"));
    if (written)
        QVERIFY(!TSiteJournal(site.path()).Read().isEmpty());
    else
        QVERIFY(TKeyListFile::Read(site.filePath(list)).slave.Slot(2).active);
    frm.KeyList().SetModified(false);
}

QTEST_MAIN(tst_TMainFrmController)
#include "tst_TMainFrmController.moc"
