#include "app/TMainFrm.h"
#include "controller/TControllerSession.h"
#include "keylist/TKeyListStore.h"
#include "seams/ui/TErrorReport.h"
#include "serial/TSerComPort.h"
#include "settings/TAppSettings.h"
#include "tests/support/TTestMessageBoxes.h"
#include "tests/support/TWindowParts.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QWidgetAction>
#include <QtTest>

#include <stdexcept>

#include <unistd.h>

using namespace TWindowParts;

namespace {

// A main window whose save command answers from the test.
class TSavingMainFrm : public TMainFrm {
public:
    int saves = 0;
    bool saveSucceeds = true;

protected:
    bool SaveKeyListForExit() override {
        ++saves;
        if (saveSucceeds)
            KeyList().SetModified(false);
        return saveSucceeds;
    }
};

QStringList captionsOf(const QMenu* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions())
        captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

QStringList enabledActions(const TMainFrm& frm) {
    QStringList names;
    for (const QAction* action : frm.findChildren<QAction*>())
        if (action->isEnabled() && action->objectName().startsWith(QLatin1Char('D')))
            names.append(action->objectName());
    names.sort();
    return names;
}

} // namespace

class tst_TMainFrm : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shouldCarryTheActionTable_data();
    void shouldCarryTheActionTable();
    void shouldNameEachPartOnce_data();
    void shouldNameEachPartOnce();
    void shouldHaveMenusInOrder();
    void shouldShowActionsInMenusAndToolbar();
    void shouldOfferRecentKeyListsAndDropOneThatIsGone();
    void shouldUseStandardShortcuts();
    void shouldShowHintsOnlyWhereActionsHaveThem();
    void shouldEnableOnlyFileActionsAfterShowing();
    void shouldResetValuesWhenShown();
    void shouldReportUnusableWorkDirAndStillFinishShowing();
    void shouldFollowControllerActionStates();
    void shouldShowPortStatus_data();
    void shouldShowPortStatus();
    void shouldShowControllerInfoFields();
    void shouldLimitTypedInfoTextOnly();
    void shouldShowEmptyKeyGridsAndDisabledPageToolbars();
    void shouldScaleToTheScreen();
    void shouldAskBeforeClosingWithChanges_data();
    void shouldAskBeforeClosingWithChanges();
    void shouldCloseWithoutAskingWhenUnchanged();
    void shouldRestoreAndRaiseMinimisedWindow();
    void shouldReportExceptionOfActionHandler();

private:
    QTemporaryDir* Temp = nullptr;
};

void tst_TMainFrm::init() {
    Temp = new QTemporaryDir;
    qputenv("TEMP", QFile::encodeName(Temp->path()));
}

void tst_TMainFrm::cleanup() {
    qunsetenv("TEMP");
    delete Temp;
    Temp = nullptr;
}

void tst_TMainFrm::shouldCarryTheActionTable_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("new") << "DNewBDAct"
                         << "Create &new key list"
                         << "Create new empty list of keys" << true;
    QTest::newRow("open") << "DOpenBDAct"
                          << "&Open key list..."
                          << "Open Dallas keys list" << true;
    QTest::newRow("save") << "DSaveBDAct"
                          << "&Save key list..."
                          << "Save Dallas keys list into file" << true;
    QTest::newRow("print") << "DPrintBDAct"
                           << "&Print key list..."
                           << "Print Dallas key list" << true;
    QTest::newRow("exit") << "DExitAct"
                          << "E&xit"
                          << "Quit the programm" << true;
    QTest::newRow("line test") << "DCheckAct"
                               << "&Line Test"
                               << "Check connection line to controller" << false;
    QTest::newRow("read info") << "DGetInfoAct"
                               << "Read controller information"
                               << "Read controller info" << false;
    QTest::newRow("write info") << "DPutInfoAct"
                                << "Write controller information"
                                << "Write controller information" << false;
    QTest::newRow("read master") << "DGetMKeysAct"
                                 << "Read master keys"
                                 << "Read master keys list" << false;
    QTest::newRow("write master") << "DPutMKeysAct"
                                  << "Write master keys"
                                  << "Write master keys list" << false;
    QTest::newRow("read slave") << "DGetSKeysAct"
                                << "Read slave keys"
                                << "Read slave keys list" << false;
    QTest::newRow("write slave") << "DPutSKeysAct"
                                 << "Write slave keys"
                                 << "Write slave keys" << false;
    QTest::newRow("read all") << "DGetAllAct"
                              << "Read all controller data"
                              << "" << false;
    QTest::newRow("write all") << "DPutAllAct"
                               << "Write all data to controller"
                               << "Overwrite controller keys list and information block" << false;
    QTest::newRow("save as") << "MenuSaveAs"
                             << "Save key list as..."
                             << "Save key list as..." << false;
}

void tst_TMainFrm::shouldCarryTheActionTable() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(bool, enabled);
    TMainFrm frm;
    QAction* action = Action(&frm, name);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->statusTip(), hint);
    if (!hint.isEmpty())
        QCOMPARE(action->toolTip(), hint);
    QCOMPARE(action->isEnabled(), enabled);
}

void tst_TMainFrm::shouldNameEachPartOnce_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("actions") << "QAction"
                             << QStringList{"DNewBDAct",     "DOpenBDAct",   "DSaveBDAct",     "DPrintBDAct",
                                            "DExitAct",      "DCheckAct",    "DGetInfoAct",    "DPutInfoAct",
                                            "DGetMKeysAct",  "DPutMKeysAct", "DGetSKeysAct",   "DPutSKeysAct",
                                            "DGetAllAct",    "DPutAllAct",   "DCompareAct",    "DSyncAct",
                                            "DHistoryAct",   "MenuSaveAs",   "MenuSelectPort", "MenuAbout",
                                            "MenuImportCsv", "MenuExportCsv"};
    QStringList keyButtons;
    for (const char* page : {"M", "S"})
        for (const char* button : {"FirstBtn", "PriorBtn", "NextBtn", "LastBtn", "EditKeyBtn", "DelKeyBtn",
                                   "FindKeyBtn", "EnrolKeysBtn"})
            keyButtons.append(QLatin1String(page) + QLatin1String(button));
    QTest::newRow("key page buttons") << "QAction" << keyButtons;
    QTest::newRow("menus") << "QMenu"
                           << QStringList{"MenuFile",      "MenuRecent", "MenuDallas",   "MenuReadData",
                                          "MenuWriteData", "MenuHelp",   "ReadDropMenu", "WriteDropMenu"};
    QTest::newRow("toolbars") << "QToolBar" << QStringList{"ToolBar1", "ToolBar2", "ToolBar3"};
    QTest::newRow("drop-down buttons") << "QToolButton" << QStringList{"ReadAllBtn", "WriteAllBtn"};
    QTest::newRow("labels") << "QLabel" << QStringList{"CntrStatusLbl", "StatusPanel"};
    QTest::newRow("pages") << "QTabWidget" << QStringList{"PageControl"};
    QTest::newRow("sheets") << "QWidget" << QStringList{"InfoSheet", "MKeysSheet", "SKeysSheet"};
    QTest::newRow("fields") << "QLineEdit"
                            << QStringList{"PrgVersionEdit", "CtrSerialEdit", "CtrInfoEdit", "MaxMKeyEdit",
                                           "MaxSKeyEdit",    "KeyTypeEdit",   "MemoryEdit",  "LockTimeEdit",
                                           "DoorSignalEdit", "DoorTypeEdit"};
    QTest::newRow("grids") << "QTableView" << QStringList{"MKeysGrid", "SKeysGrid"};
    QTest::newRow("views") << "TDbfTable" << QStringList{"MKeysTable", "SKeysTable"};
    QTest::newRow("port") << "TSerComPort" << QStringList{"DallasPort"};
    QTest::newRow("report") << "TrpReport" << QStringList{"KeyReport"};
}

void tst_TMainFrm::shouldNameEachPartOnce() {
    QFETCH(QString, type);
    QFETCH(QStringList, names);
    TMainFrm frm;
    // Tests, tools and other windows reach the parts by these names; a second part of the same
    // name would leave it to chance which one they get.
    for (const QString& name : names) {
        const QList<QObject*> found = frm.findChildren<QObject*>(name);
        QVERIFY2(found.size() == 1,
                 qPrintable(QStringLiteral("%1 found %2 times").arg(name).arg(found.size())));
        QVERIFY2(found[0]->inherits(type.toLatin1()),
                 qPrintable(name + QStringLiteral(" is a ") + found[0]->metaObject()->className()));
    }
}

void tst_TMainFrm::shouldHaveMenusInOrder() {
    TMainFrm frm;
    QStringList top;
    for (const QAction* action : frm.menuBar()->actions())
        top.append(action->text());
    QCOMPARE(top, (QStringList{"&File", "&Dallas", "&Help"}));
    QCOMPARE(
        captionsOf(Menu(&frm, "MenuFile")),
        (QStringList{"Create &new key list", "&Open key list...", "&Save key list...", "Save key list as...",
                     "Recent key lists", "-", "Site...", "-", "Import keys from CSV...",
                     "Export key list to CSV...", "-", "&Print key list...", "-", "E&xit"}));
    QCOMPARE(captionsOf(Menu(&frm, "MenuDallas")),
             (QStringList{"Select COM port", "&Line Test", "&Read Controller Data", "&Write Controller Data",
                          "Compare key list with controller", "Write changes to controller",
                          "Controller history..."}));
    const QStringList read{"Read master keys", "Read slave keys", "Read controller information", "-",
                           "Read all controller data"};
    const QStringList write{"Write master keys", "Write slave keys", "Write controller information", "-",
                            "Write all data to controller"};
    QCOMPARE(captionsOf(Menu(&frm, "MenuReadData")), read);
    QCOMPARE(captionsOf(Menu(&frm, "ReadDropMenu")), read);
    QCOMPARE(captionsOf(Menu(&frm, "MenuWriteData")), write);
    QCOMPARE(captionsOf(Menu(&frm, "WriteDropMenu")),
             (write + QStringList{"-", "Compare key list with controller", "Write changes to controller"}));
    QCOMPARE(Menu(&frm, "MenuReadData")->menuAction()->statusTip(), QStringLiteral("Read Controller Data"));
    QCOMPARE(Menu(&frm, "MenuWriteData")->menuAction()->statusTip(), QStringLiteral("Write Controller Data"));
    QCOMPARE(captionsOf(Menu(&frm, "MenuHelp")), (QStringList{"&Language", "-", "About..."}));
    QCOMPARE(captionsOf(Menu(&frm, "MenuLanguage")),
             (QStringList{"The desktop's language", "-", "English", "Deutsch"}));
}

void tst_TMainFrm::shouldOfferRecentKeyListsAndDropOneThatIsGone() {
    TTestMessageBoxes boxes;
    QTemporaryDir dir;
    TAppSettings settings(dir.filePath("velm-tarvikon.conf"));
    const QString gone = dir.filePath("gone.dbf");
    const QString ampersand = dir.filePath("R&D.dbf");
    TMainFrm frm;
    frm.UseSettings(&settings);
    QMenu* recent = Menu(&frm, "MenuRecent");
    QVERIFY(!recent->menuAction()->isEnabled());

    settings.noteKeyListUsed(gone);
    settings.noteKeyListUsed(ampersand);
    emit Menu(&frm, "MenuFile")->aboutToShow();
    QCOMPARE(captionsOf(recent), (QStringList{"&1 " + dir.filePath("R&&D.dbf"), "&2 " + gone}));
    QVERIFY(recent->menuAction()->isEnabled());

    recent->actions().at(1)->trigger();
    QCOMPARE(boxes.count(TMessageBoxes::Kind::Error), 1);
    QCOMPARE(captionsOf(recent), QStringList{"&1 " + dir.filePath("R&&D.dbf")});
    QCOMPARE(settings.recentKeyLists(), QStringList{ampersand});
}

void tst_TMainFrm::shouldUseStandardShortcuts() {
    TMainFrm frm;
    const QList<QPair<const char*, QKeySequence::StandardKey>> expected = {
        {"DNewBDAct", QKeySequence::New},    {"DOpenBDAct", QKeySequence::Open},
        {"DSaveBDAct", QKeySequence::Save},  {"DPrintBDAct", QKeySequence::Print},
        {"DExitAct", QKeySequence::Quit},    {"MFindKeyBtn", QKeySequence::Find},
        {"SFindKeyBtn", QKeySequence::Find},
    };
    for (const auto& [name, key] : expected)
        QCOMPARE(Action(&frm, name)->shortcut(), QKeySequence(key));
    // Every toolbar button shows an icon, from the theme or our own.
    for (const char* name : {"ToolBar1", "ToolBar2", "ToolBar3"})
        for (QAction* action : ToolBar(&frm, name)->actions())
            if (!action->isSeparator() && !qobject_cast<QWidgetAction*>(action))
                QVERIFY2(!action->icon().pixmap(24).isNull(), qPrintable(action->objectName()));
}

void tst_TMainFrm::shouldShowActionsInMenusAndToolbar() {
    TMainFrm frm;
    QToolBar* bar = ToolBar(&frm, "ToolBar1");
    QToolButton* readAll = Button(&frm, "ReadAllBtn");
    QToolButton* writeAll = Button(&frm, "WriteAllBtn");
    QList<QAction*> tools = bar->actions();
    QCOMPARE(tools.value(0), Action(&frm, "DNewBDAct"));
    QCOMPARE(tools.value(1), Action(&frm, "DOpenBDAct"));
    QCOMPARE(tools.value(2), Action(&frm, "DSaveBDAct"));
    QVERIFY(tools.value(3)->isSeparator());
    QCOMPARE(tools.value(4), Action(&frm, "DCheckAct"));
    QCOMPARE(bar->widgetForAction(tools.value(5)), readAll);
    QCOMPARE(bar->widgetForAction(tools.value(6)), writeAll);
    QCOMPARE(tools.value(8), Action(&frm, "DPrintBDAct"));
    QCOMPARE(tools.value(10), Action(&frm, "DExitAct"));
    QCOMPARE(bar->widgetForAction(tools.value(12)), Label(&frm, "CntrStatusLbl"));
    QCOMPARE(readAll->menu(), Menu(&frm, "ReadDropMenu"));
    QCOMPARE(writeAll->menu(), Menu(&frm, "WriteDropMenu"));

    // Buttons and menu entries are the actions themselves, so they follow their state.
    QAction* getAll = Action(&frm, "DGetAllAct");
    getAll->setEnabled(true);
    QVERIFY(readAll->isEnabled());
    QVERIFY(Menu(&frm, "MenuReadData")->actions().contains(getAll));
    getAll->setEnabled(false);
    QVERIFY(!readAll->isEnabled());
}

void tst_TMainFrm::shouldShowHintsOnlyWhereActionsHaveThem() {
    TMainFrm frm;
    frm.show();
    Action(&frm, "DGetAllAct")->setEnabled(true);
    Action(&frm, "DPutAllAct")->setEnabled(true);
    auto hover = [](QWidget* button) {
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 5000))
            return QStringLiteral("tool tip stays");
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(button, &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(hover(Button(&frm, "WriteAllBtn")),
             QStringLiteral("Overwrite controller keys list and information block"));
    QCOMPARE(hover(Button(&frm, "ReadAllBtn")), QString());
    QCOMPARE(hover(ToolBar(&frm, "ToolBar1")->widgetForAction(Action(&frm, "DNewBDAct"))),
             QStringLiteral("Create new empty list of keys"));
    QToolTip::hideText();
}

void tst_TMainFrm::shouldEnableOnlyFileActionsAfterShowing() {
    TMainFrm frm;
    emit frm.Port().OnPortOpen(&frm.Port());
    frm.SetKeyTransferEnabled(true);
    frm.show();
    QCOMPARE(enabledActions(frm),
             (QStringList{"DExitAct", "DHistoryAct", "DNewBDAct", "DOpenBDAct", "DPrintBDAct"}));
    QVERIFY(!Action(&frm, "MenuSaveAs")->isEnabled());
    QVERIFY(Action(&frm, "MenuSelectPort")->isEnabled());
    QVERIFY(Action(&frm, "MenuAbout")->isEnabled());
}

void tst_TMainFrm::shouldResetValuesWhenShown() {
    TMainFrm frm;
    for (int i = 0; i < 77; ++i)
        frm.ControllerSession().Exchange().advanceSequence();
    frm.KeyList().SetModified(true);
    frm.KeyList().SetPath(QStringLiteral("/keys/door1.dbf"));
    Pages(&frm, "PageControl")->setCurrentIndex(2);
    frm.show();
    QCOMPARE(frm.ControllerSession().Exchange().sequence(), quint8(0));
    QVERIFY(!frm.KeyList().Modified());
    QVERIFY(frm.KeyList().Path().isEmpty());
    QCOMPARE(Pages(&frm, "PageControl")->currentIndex(), 0);
    QCOMPARE(Pages(&frm, "PageControl")->tabText(0), QStringLiteral("Controller &Info"));
    QVERIFY(frm.Store().WorkDir().startsWith(Temp->path() + QLatin1Char('/')));
    QVERIFY(QFileInfo(frm.Store().WorkDir()).isDir());
}

void tst_TMainFrm::shouldReportUnusableWorkDirAndStillFinishShowing() {
    TTestMessageBoxes boxes;
    QFile blocker(Temp->filePath(QStringLiteral("velm-tarvikon-%1").arg(geteuid())));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TMainFrm frm;
    for (int i = 0; i < 5; ++i)
        frm.ControllerSession().Exchange().advanceSequence();
    emit frm.Port().OnPortOpen(&frm.Port());
    frm.show();
    QVERIFY(frm.Store().WorkDir().isEmpty());
    QCOMPARE(frm.ControllerSession().Exchange().sequence(), quint8(0));
    QVERIFY(!Action(&frm, "DCheckAct")->isEnabled());
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(int(boxes.shown[0].kind), int(TMessageBoxes::Kind::Error));
    QVERIFY(boxes.shown[0].text.contains(QStringLiteral("it is not a directory")));
}

void tst_TMainFrm::shouldFollowControllerActionStates() {
    TMainFrm frm;
    // What the port announces when it opens and closes.
    TSerComPort& port = frm.Port();
    auto portOpened = [&port] { emit port.OnPortOpen(&port); };
    auto portClosed = [&port] { emit port.OnPortClose(&port); };
    frm.show();
    portOpened();
    QCOMPARE(enabledActions(frm), (QStringList{"DCheckAct", "DExitAct", "DGetInfoAct", "DHistoryAct",
                                               "DNewBDAct", "DOpenBDAct", "DPrintBDAct"}));

    frm.SetKeyTransferEnabled(true);
    const QStringList transfer{"DGetAllAct",   "DGetMKeysAct", "DGetSKeysAct", "DPutAllAct",
                               "DPutMKeysAct", "DPutSKeysAct", "DCompareAct",  "DSyncAct"};
    for (const QString& name : transfer)
        QVERIFY2(Action(&frm, name)->isEnabled(), qPrintable(name));
    QVERIFY(!Action(&frm, "DPutInfoAct")->isEnabled());

    frm.SetKeyTransferEnabled(false);
    for (const QString& name : transfer)
        QVERIFY2(!Action(&frm, name)->isEnabled(), qPrintable(name));
    QVERIFY(Action(&frm, "DCheckAct")->isEnabled());
    QVERIFY(Action(&frm, "DGetInfoAct")->isEnabled());

    // Reselecting a port passes through close and open: only the line test and the reading of
    // the information stay, until the version is read again.
    frm.SetKeyTransferEnabled(true);
    portClosed();
    portOpened();
    QCOMPARE(enabledActions(frm), (QStringList{"DCheckAct", "DExitAct", "DGetInfoAct", "DHistoryAct",
                                               "DNewBDAct", "DOpenBDAct", "DPrintBDAct"}));

    portClosed();
    QCOMPARE(enabledActions(frm),
             (QStringList{"DExitAct", "DHistoryAct", "DNewBDAct", "DOpenBDAct", "DPrintBDAct"}));
}

void tst_TMainFrm::shouldShowPortStatus_data() {
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("color");
    QTest::newRow("COM1") << true << 1 << "Controller port:\nCOM1" << QColor(0, 0, 255);
    QTest::newRow("COM50") << true << 50 << "Controller port:\nCOM50" << QColor(0, 0, 255);
    QTest::newRow("closed") << false << 0 << "Controller port:\nNOT SELECTED" << QColor(255, 0, 0);
    QTest::newRow("closed ignores number")
        << false << 7 << "Controller port:\nNOT SELECTED" << QColor(255, 0, 0);
}

void tst_TMainFrm::shouldShowPortStatus() {
    QFETCH(bool, open);
    QFETCH(int, number);
    QFETCH(QString, text);
    QFETCH(QColor, color);
    TMainFrm frm;
    frm.ShowPortStatus(!open, number + 1);
    frm.ShowPortStatus(open, number);
    QLabel* status = Label(&frm, "CntrStatusLbl");
    QCOMPARE(status->text(), text);
    QCOMPARE(status->palette().color(status->foregroundRole()), color);
    QCOMPARE(TMainFrm::portStatusText(open, number),
             QString(text).replace(QLatin1Char('\n'), QLatin1Char('\r')));
}

void tst_TMainFrm::shouldShowControllerInfoFields() {
    TMainFrm frm;
    QLabel* status = Label(&frm, "CntrStatusLbl");
    QCOMPARE(status->text(), QStringLiteral("Controller port:\nNOT SELECTED"));
    QCOMPARE(status->palette().color(status->backgroundRole()), QColor(240, 251, 255));
    QCOMPARE(status->alignment(), Qt::AlignCenter);

    const QStringList captions{"Programm Version:",
                               "Controller S/N:",
                               "Controller Info:",
                               "Max Master Key count:",
                               "Max Slave Key count:",
                               "Electronical keys type:",
                               "Amount of memory (kB):",
                               "Door lock holding time (s):",
                               "Open door signalization time (s):",
                               "Type of door opening gauge:"};
    QList<QLineEdit*> fields;
    for (const char* name : {"PrgVersionEdit", "CtrSerialEdit", "CtrInfoEdit", "MaxMKeyEdit", "MaxSKeyEdit",
                             "KeyTypeEdit", "MemoryEdit", "LockTimeEdit", "DoorSignalEdit", "DoorTypeEdit"})
        fields.append(Edit(&frm, name));
    QStringList shownCaptions;
    for (QLabel* label : Part<QWidget>(&frm, "InfoSheet")->findChildren<QLabel*>())
        if (fields.contains(qobject_cast<QLineEdit*>(label->buddy())))
            shownCaptions.append(label->text());
    QCOMPARE(shownCaptions, captions);
    for (QLineEdit* field : fields) {
        QCOMPARE(field->text(), QStringLiteral("<unknown>"));
        QVERIFY(field->isReadOnly());
        QCOMPARE(field->palette().color(QPalette::Base),
                 field->style()->standardPalette().color(QPalette::Button));
    }
    QLineEdit* info = Edit(&frm, "CtrInfoEdit");
    TMainFrm::SetFieldReadOnly(info, false);
    QVERIFY(!info->isReadOnly());
    QCOMPARE(info->palette().color(QPalette::Base), info->style()->standardPalette().color(QPalette::Base));
}

void tst_TMainFrm::shouldLimitTypedInfoTextOnly() {
    TMainFrm frm;
    QLineEdit* info = Edit(&frm, "CtrInfoEdit");
    TMainFrm::SetFieldReadOnly(info, false);
    info->clear();
    QTest::keyClicks(info, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123"));
    QCOMPARE(info->text(), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"));

    // A read may place 32 characters; the user can shorten them but not add to them.
    const QString read32 = QStringLiteral("0123456789abcdefghijklmnopqrstuv");
    info->setText(read32);
    QCOMPARE(info->text(), read32);
    info->end(false);
    QTest::keyClick(info, Qt::Key_W);
    QCOMPARE(info->text(), read32);
    QTest::keyClick(info, Qt::Key_Backspace);
    QCOMPARE(info->text(), read32.left(31));

    info->setText(QStringLiteral("Door"));
    info->end(false);
    for (QChar c : QString::fromUtf8(" \u00e4\u20ac\u0101\u4e2d!")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(info, &press);
    }
    QCOMPARE(info->text(), QString::fromUtf8("Door \u00e4\u20ac!"));
}

void tst_TMainFrm::shouldShowEmptyKeyGridsAndDisabledPageToolbars() {
    TMainFrm frm;
    QCOMPARE(Pages(&frm, "PageControl")->count(), 3);
    QCOMPARE(Pages(&frm, "PageControl")->tabText(1), QStringLiteral("&Master Keys"));
    QCOMPARE(Pages(&frm, "PageControl")->tabText(2), QStringLiteral("&Slave Keys"));
    const QStringList titles{"#", "Key code", "Active", "Memo"};
    for (QTableView* grid : {Grid(&frm, "MKeysGrid"), Grid(&frm, "SKeysGrid")}) {
        QCOMPARE(grid->model()->rowCount(), 0);
        QStringList shown;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            shown.append(grid->model()->headerData(c, Qt::Horizontal).toString());
        QCOMPARE(shown, titles);
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    }
    QCOMPARE(Grid(&frm, "MKeysGrid")->objectName(), QStringLiteral("MKeysGrid"));
    QCOMPARE(Grid(&frm, "SKeysGrid")->objectName(), QStringLiteral("SKeysGrid"));

    const QStringList masterHints{"First Record",  "Privios Record", "Next Record", "Last Record", "-",
                                  "Edit Key Info", "Deactivate Key", "-",           "Find Key",    "-",
                                  "Enrol keys..."};
    QStringList slaveHints = masterHints;
    slaveHints[6] = QStringLiteral("Deacivate Key");
    for (auto [bar, hints] : {std::pair{ToolBar(&frm, "ToolBar2"), masterHints},
                              std::pair{ToolBar(&frm, "ToolBar3"), slaveHints}}) {
        QVERIFY(!bar->isEnabled());
        QStringList shown;
        for (QAction* action : bar->actions())
            shown.append(action->isSeparator() ? QStringLiteral("-") : action->toolTip());
        QCOMPARE(shown, hints);
    }
    QCOMPARE(Action(&frm, "MEditKeyBtn")->objectName(), QStringLiteral("MEditKeyBtn"));
    QCOMPARE(Action(&frm, "SDelKeyBtn")->objectName(), QStringLiteral("SDelKeyBtn"));
    QCOMPARE(Action(&frm, "SFindKeyBtn")->objectName(), QStringLiteral("SFindKeyBtn"));
    QLabel* panel = Label(&frm, "StatusPanel");
    QCOMPARE(panel->width(), panel->minimumWidth());
}

void tst_TMainFrm::shouldScaleToTheScreen() {
    QCOMPARE(TScreenScale::factorFor(96), 1.25);
    QCOMPARE(TScreenScale::factorFor(120), 1.0);
    QCOMPARE(TScreenScale::factorFor(144), 120.0 / 144.0);
    QCOMPARE(TScreenScale::factorFor(0), 1.0);

    TMainFrm frm;
    const double factor = TScreenScale::factorFor(frm.screen()->logicalDotsPerInch());
    QCOMPARE(frm.width(), qRound(392 * factor));
    QCOMPARE(frm.height() - frm.menuBar()->sizeHint().height(), qRound(424 * factor));
    QCOMPARE(frm.font().pixelSize(), qRound(11 * factor));
    QCOMPARE(Label(&frm, "CntrStatusLbl")->size(), QSize(qRound(127 * factor), qRound(25 * factor)));
    QCOMPARE(Label(&frm, "StatusPanel")->width(), qRound(250 * factor));
    QCOMPARE(frm.windowTitle(), QStringLiteral("VELM Tarvikon[*]"));
}

void tst_TMainFrm::shouldAskBeforeClosingWithChanges_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveSucceeds");
    QTest::addColumn<int>("saves");
    QTest::addColumn<bool>("closed");
    QTest::newRow("yes, saved") << int(TMessageBoxes::Answer::Yes) << true << 1 << true;
    QTest::newRow("yes, save failed") << int(TMessageBoxes::Answer::Yes) << false << 1 << false;
    QTest::newRow("no") << int(TMessageBoxes::Answer::No) << true << 0 << true;
    QTest::newRow("cancel") << int(TMessageBoxes::Answer::Cancel) << true << 0 << false;
}

void tst_TMainFrm::shouldAskBeforeClosingWithChanges() {
    QFETCH(int, answer);
    QFETCH(bool, saveSucceeds);
    QFETCH(int, saves);
    QFETCH(bool, closed);
    TTestMessageBoxes boxes;
    TSavingMainFrm frm;
    frm.saveSucceeds = saveSucceeds;
    frm.show();
    QFile workingCopy(frm.Store().WorkDir() + QStringLiteral("/tmp01.dbf"));
    QVERIFY(workingCopy.open(QIODevice::WriteOnly));
    workingCopy.close();
    frm.KeyList().SetModified(true);
    boxes.queueAnswer(TMessageBoxes::Answer(answer));

    QCOMPARE(frm.close(), closed);
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(int(boxes.shown[0].kind), int(TMessageBoxes::Kind::Confirmation));
    QCOMPARE(boxes.shown[0].text,
             QStringLiteral("Current key list has been changed. Do you want to save changes before exit?"));
    QCOMPARE(frm.saves, saves);
    QCOMPARE(frm.isVisible(), !closed);
    QCOMPARE(workingCopy.exists(), !closed);
}

void tst_TMainFrm::shouldCloseWithoutAskingWhenUnchanged() {
    TTestMessageBoxes boxes;
    TSavingMainFrm frm;
    frm.show();
    QFile workingCopy(frm.Store().WorkDir() + QStringLiteral("/tmp01.dbf"));
    QVERIFY(workingCopy.open(QIODevice::WriteOnly));
    workingCopy.close();
    const QString status = Label(&frm, "CntrStatusLbl")->text();
    Action(&frm, "DExitAct")->trigger();
    QVERIFY(!frm.isVisible());
    QVERIFY(boxes.shown.isEmpty());
    QCOMPARE(frm.saves, 0);
    QVERIFY(!workingCopy.exists());
    // The run's private folder goes with it.
    QVERIFY(!QFileInfo::exists(frm.Store().WorkDir()));
    QCOMPARE(Label(&frm, "CntrStatusLbl")->text(), status);
}

void tst_TMainFrm::shouldRestoreAndRaiseMinimisedWindow() {
    TMainFrm frm;
    frm.show();
    frm.setWindowState(Qt::WindowMinimized);
    QVERIFY(frm.isMinimized());
    frm.RestoreAndRaise();
    QVERIFY(!frm.isMinimized());
    QVERIFY(frm.isVisible());
}

void tst_TMainFrm::shouldReportExceptionOfActionHandler() {
    TTestMessageBoxes boxes;
    TMainFrm frm;
    QAction action(&frm);
    connectHandler(&action, &QAction::triggered, &frm, [] { throw std::runtime_error("Device not open"); });
    action.trigger();
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0].caption, QStringLiteral("VELM Tarvikon"));
    QCOMPARE(boxes.shown[0].text, QStringLiteral("Device not open."));
    QVERIFY(action.isEnabled());
}

QTEST_MAIN(tst_TMainFrm)
#include "tst_TMainFrm.moc"
