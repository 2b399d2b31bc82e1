// The main window as a screen reader presents it: every control named and described, and the
// port label's state said in words as well as in its colour.
#include "app/TMainFrm.h"

#include "seams/ui/TAccessibility.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

void TMainFrm::NameForAccessibility() {
    TAccessibility::Describe({
        {menuBar(), tr("Main menu"), tr("File, Dallas and Help commands")},
        {ToolBar1, tr("Main toolbar"), tr("Key list files, line test, reading, writing and printing")},
        {ReadAllBtn, tr("Read all controller data"),
         tr("Reads keys and information from the controller; its arrow lists the single reads")},
        {WriteAllBtn, tr("Write all data to controller"),
         tr("Overwrites the controller's keys and information; its arrow lists the single writes, compare "
            "and write changes")},
        {StatusPanel, tr("Status"), tr("What the program did last")},
        {PageControl, tr("Pages"), tr("Controller information, master keys and slave keys")},
        {InfoSheet, tr("Controller information"), tr("What the controller told about itself")},
        {MKeysSheet, tr("Master keys"), tr("The master key slots of the key list")},
        {SKeysSheet, tr("Slave keys"), tr("The slave key slots of the key list")},
        {ToolBar2, tr("Master key tools"), tr("Move through the master keys, edit, deactivate or find one")},
        {ToolBar3, tr("Slave key tools"), tr("Move through the slave keys, edit, deactivate or find one")},
        {MKeysGrid, tr("Master keys"), tr("One row a slot: number, key code, active and note")},
        {SKeysGrid, tr("Slave keys"), tr("One row a slot: number, key code, active and note")},
    });
    NameInfoFields();
    // A screen reader takes a tab's description from its tool tip; the tab bar itself is said
    // as its current tab.
    PageControl->setTabToolTip(PageControl->indexOf(InfoSheet), InfoSheet->accessibleDescription());
    PageControl->setTabToolTip(PageControl->indexOf(MKeysSheet), MKeysSheet->accessibleDescription());
    PageControl->setTabToolTip(PageControl->indexOf(SKeysSheet), SKeysSheet->accessibleDescription());
    for (QToolButton* scroll : PageControl->tabBar()->findChildren<QToolButton*>())
        scroll->setAccessibleDescription(tr("Shows the page tabs that do not fit"));
    // A toolbar button says its command's hint; a command without a hint says its caption. The
    // widgets placed in a toolbar (drop-down buttons, port label) keep their own description.
    for (QToolBar* bar : {ToolBar1, ToolBar2, ToolBar3})
        for (QAction* action : bar->actions())
            if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
                button && button->accessibleDescription().isEmpty())
                button->setAccessibleDescription(action->statusTip().isEmpty() ? action->text().remove('&')
                                                                               : action->statusTip());
}

void TMainFrm::NameInfoFields() {
    TAccessibility::Describe({
        {PrgVersionEdit, tr("Program version"), tr("The controller's firmware version, read only")},
        {CtrSerialEdit, tr("Controller serial number"), tr("The controller's serial number, read only")},
        {CtrInfoEdit, tr("Controller information"), tr("A text of your own about the controller")},
        {MaxMKeyEdit, tr("Maximum master key count"), tr("How many master keys the controller holds")},
        {MaxSKeyEdit, tr("Maximum slave key count"), tr("How many slave keys the controller holds")},
        {KeyTypeEdit, tr("Electronic key type"), tr("The kind of keys the controller reads")},
        {MemoryEdit, tr("Amount of memory in kilobytes"), tr("The controller's memory")},
        {LockTimeEdit, tr("Door lock holding time in seconds"), tr("How long the lock stays open")},
        {DoorSignalEdit, tr("Open door signalisation time in seconds"),
         tr("How long a door may stand open before the controller signals")},
        {DoorTypeEdit, tr("Type of door opening gauge"), tr("The sensor that tells the door is open")},
    });
}

void TMainFrm::DescribePortStatus(bool open, int comNumber) {
    CntrStatusLbl->setAccessibleName(tr("Controller port"));
    CntrStatusLbl->setAccessibleDescription(open ? tr("COM%1 is open (shown in blue)").arg(comNumber)
                                                 : tr("Not selected, no port is open (shown in red)"));
}
