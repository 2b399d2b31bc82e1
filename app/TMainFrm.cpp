#include "app/TMainFrm.h"

#include "site/TSiteSaveJournal.h"
#include "sync/TDoorSession.h"

#include "app/TAboutForm.h"
#include "app/TProgressFrm.h"
#include "app/TWorkDir.h"
#include "controller/TControllerCommands.h"
#include "controller/TControllerPort.h"
#include "dbf/TDbfEnv.h"
#include "dbf/TDbfTable.h"
#include "keylist/TDbfKeyView.h"
#include "keylist/TKeyListCommands.h"
#include "keylist/TKeyListDocument.h"
#include "keylist/TKeyListStore.h"
#include "keylist/ui/TDBEditFrm.h"
#include "keylist/ui/TFindKeyFrm.h"
#include "keylist/ui/TKeyGrid.h"
#include "keylist/ui/TTypedTextValidator.h"
#include "keys/TKeyPlaceholder.h"
#include "seams/TMessageBoxes.h"
#include "seams/ui/TErrorReport.h"
#include "serial/TSerComPort.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QShowEvent>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

namespace {

// Laid-out sizes, before screen scaling.
constexpr int ClientWidth = 392;
constexpr int ClientHeight = 424;
// The size limits were set for the whole window with its frame (4 pixels a side, a 19 pixel
// caption) and its menu (19 pixels); Qt limits the window without its frame, menu bar included.
constexpr int MinWidth = 400 - 8;
constexpr int MaxWidth = 640 - 8;
constexpr int MinClientHeight = 470 - 27 - 19;
constexpr int MaxClientHeight = 725 - 27 - 19;
constexpr int FontPixels = 11;
constexpr int StatusLabelWidth = 127;
constexpr int StatusLabelHeight = 25;
constexpr int StatusLabelFontPixels = 9;
constexpr int StatusPanelWidth = 250;
constexpr int InfoTextMaxTyped = 25;

const QString Unknown = QLatin1String(TKeyPlaceholder::Unknown);
const QString WorkingCopyName = QStringLiteral("tmp01.dbf");

// An icon of the desktop's theme by its standard name; our own drawing where the theme has none.
QIcon themeIcon(const QString& name) {
    QIcon own;
    for (const char* size : {"24", "48"})
        own.addFile(QStringLiteral(":/icons/%1/%2.png").arg(QLatin1String(size), name));
    return QIcon::fromTheme(name, own);
}

QString displayText(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

const QColor TMainFrm::PortOpenColor = QColor(0x00, 0x00, 0xFF);
const QColor TMainFrm::PortClosedColor = QColor(0xFF, 0x00, 0x00);

TMainFrm::TMainFrm(QWidget* parent)
    : QMainWindow(parent), KeyListDocument(new TKeyListDocument(this)), Scale(TScreenScale::forWidget(this)) {
    setObjectName(QStringLiteral("MainFrm"));
    connect(KeyListDocument, &TKeyListDocument::Changed, this,
            [this] { setWindowModified(KeyListDocument->Modified()); });
    FormCreate();
}

TMainFrm::~TMainFrm() {
    // The port is a child of the window and would close only once the window's members are gone;
    // its close signal must not reach the half-destroyed window.
    QObject::disconnect(DallasPort, nullptr, this, nullptr);
    DallasPort->SetOpen(false);
    delete KeyListCommands;
    delete KeyListStore;
}

QString TMainFrm::portStatusText(bool open, int comNumber) {
    if (open)
        return tr("Controller port:\rCOM") + QString::number(comNumber);
    return tr("Controller port:\rNOT SELECTED");
}

QColor TMainFrm::portStatusColor(bool open) {
    return open ? PortOpenColor : PortClosedColor;
}

void TMainFrm::FormCreate() {
    // "[*]" is where the desktop shows that the key list has unsaved changes.
    setWindowTitle(QStringLiteral("VELM Tarvikon[*]"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(Scale.px(FontPixels));
    setFont(font);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreatePages();
    CreateStatusBar();
    CreateKeyList();
    CreateKeysInOut();
    CreateReport();
    CreateController();
    CreateSync();
    ConnectHandlers();
    ApplyLayoutSize();
    CentreOnDesktop();
}

QAction* TMainFrm::NewAction(const QString& name, const QString& caption, const QString& hint, bool enabled) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setStatusTip(hint);
    if (!hint.isEmpty())
        action->setToolTip(hint);
    action->setEnabled(enabled);
    return action;
}

void TMainFrm::CreateActions() {
    DNewBDAct = NewAction(QStringLiteral("DNewBDAct"), tr("Create &new key list"),
                          tr("Create new empty list of keys"), true);
    DNewBDAct->setIcon(themeIcon(QStringLiteral("document-new")));
    DNewBDAct->setShortcut(QKeySequence::New);
    DOpenBDAct =
        NewAction(QStringLiteral("DOpenBDAct"), tr("&Open key list..."), tr("Open Dallas keys list"), true);
    DOpenBDAct->setIcon(themeIcon(QStringLiteral("document-open")));
    DOpenBDAct->setShortcut(QKeySequence::Open);
    DSaveBDAct = NewAction(QStringLiteral("DSaveBDAct"), tr("&Save key list..."),
                           tr("Save Dallas keys list into file"), true);
    DSaveBDAct->setIcon(themeIcon(QStringLiteral("document-save")));
    DSaveBDAct->setShortcut(QKeySequence::Save);
    DPrintBDAct =
        NewAction(QStringLiteral("DPrintBDAct"), tr("&Print key list..."), tr("Print Dallas key list"), true);
    DPrintBDAct->setIcon(themeIcon(QStringLiteral("document-print")));
    DPrintBDAct->setShortcut(QKeySequence::Print);
    DExitAct = NewAction(QStringLiteral("DExitAct"), tr("E&xit"), tr("Quit the programm"), true);
    DExitAct->setIcon(themeIcon(QStringLiteral("application-exit")));
    DExitAct->setShortcut(QKeySequence::Quit);
    DCheckAct = NewAction(QStringLiteral("DCheckAct"), tr("&Line Test"),
                          tr("Check connection line to controller"), false);
    DCheckAct->setIcon(themeIcon(QStringLiteral("network-transmit-receive")));
    DGetInfoAct = NewAction(QStringLiteral("DGetInfoAct"), tr("Read controller information"),
                            tr("Read controller info"), false);
    DPutInfoAct = NewAction(QStringLiteral("DPutInfoAct"), tr("Write controller information"),
                            tr("Write controller information"), false);
    DGetMKeysAct =
        NewAction(QStringLiteral("DGetMKeysAct"), tr("Read master keys"), tr("Read master keys list"), false);
    DPutMKeysAct = NewAction(QStringLiteral("DPutMKeysAct"), tr("Write master keys"),
                             tr("Write master keys list"), false);
    DGetSKeysAct =
        NewAction(QStringLiteral("DGetSKeysAct"), tr("Read slave keys"), tr("Read slave keys list"), false);
    DPutSKeysAct =
        NewAction(QStringLiteral("DPutSKeysAct"), tr("Write slave keys"), tr("Write slave keys"), false);
    DGetAllAct = NewAction(QStringLiteral("DGetAllAct"), tr("Read all controller data"), QString(), false);
    DGetAllAct->setIcon(themeIcon(QStringLiteral("go-down")));
    DPutAllAct = NewAction(QStringLiteral("DPutAllAct"), tr("Write all data to controller"),
                           tr("Overwrite controller keys list and information block"), false);
    DPutAllAct->setIcon(themeIcon(QStringLiteral("go-up")));

    MenuSaveAs =
        NewAction(QStringLiteral("MenuSaveAs"), tr("Save key list as..."), tr("Save key list as..."), false);
    MenuSelectPort = NewAction(QStringLiteral("MenuSelectPort"), tr("Select COM port"), QString(), true);
    MenuAbout = NewAction(QStringLiteral("MenuAbout"), tr("About..."), QString(), true);
}

void TMainFrm::CreateMenus() {
    MenuFile = menuBar()->addMenu(tr("&File"));
    MenuFile->setObjectName(QStringLiteral("MenuFile"));
    MenuFile->addActions({DNewBDAct, DOpenBDAct, DSaveBDAct, MenuSaveAs});
    MenuRecent = MenuFile->addMenu(tr("Recent key lists"));
    MenuRecent->setObjectName(QStringLiteral("MenuRecent"));
    MenuRecent->menuAction()->setEnabled(false);
    MenuFile->addSeparator();
    MenuFile->addAction(SiteAction());
    MenuFile->addSeparator();
    MenuFile->addAction(DPrintBDAct);
    MenuFile->addSeparator();
    MenuFile->addAction(DExitAct);

    MenuDallas = menuBar()->addMenu(tr("&Dallas"));
    MenuDallas->setObjectName(QStringLiteral("MenuDallas"));
    MenuDallas->addActions({MenuSelectPort, DCheckAct});
    MenuReadData = MenuDallas->addMenu(tr("&Read Controller Data"));
    MenuReadData->setObjectName(QStringLiteral("MenuReadData"));
    MenuReadData->menuAction()->setStatusTip(tr("Read Controller Data"));
    MenuReadData->menuAction()->setToolTip(tr("Read Controller Data"));
    MenuWriteData = MenuDallas->addMenu(tr("&Write Controller Data"));
    MenuWriteData->setObjectName(QStringLiteral("MenuWriteData"));
    MenuWriteData->menuAction()->setStatusTip(tr("Write Controller Data"));
    MenuWriteData->menuAction()->setToolTip(tr("Write Controller Data"));

    // The submenus and the two toolbar drop-downs show the same actions.
    ReadDropMenu = new QMenu(this);
    ReadDropMenu->setObjectName(QStringLiteral("ReadDropMenu"));
    WriteDropMenu = new QMenu(this);
    WriteDropMenu->setObjectName(QStringLiteral("WriteDropMenu"));
    for (QMenu* menu : {MenuReadData, ReadDropMenu}) {
        menu->addActions({DGetMKeysAct, DGetSKeysAct, DGetInfoAct});
        menu->addSeparator();
        menu->addAction(DGetAllAct);
    }
    for (QMenu* menu : {MenuWriteData, WriteDropMenu}) {
        menu->addActions({DPutMKeysAct, DPutSKeysAct, DPutInfoAct});
        menu->addSeparator();
        menu->addAction(DPutAllAct);
    }

    MenuHelp = menuBar()->addMenu(tr("&Help"));
    MenuHelp->setObjectName(QStringLiteral("MenuHelp"));
    MenuHelp->addMenu(CreateLanguageMenu());
    MenuHelp->addSeparator();
    MenuHelp->addAction(MenuAbout);
}

void TMainFrm::CreateToolBar() {
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->toggleViewAction()->setVisible(false);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->addActions({DNewBDAct, DOpenBDAct, DSaveBDAct});
    ToolBar1->addSeparator();
    ToolBar1->addAction(DCheckAct);

    auto dropDownButton = [this](const QString& name, QAction* action, QMenu* menu) {
        auto* button = new QToolButton(ToolBar1);
        button->setObjectName(name);
        button->setDefaultAction(action);
        button->setMenu(menu);
        button->setPopupMode(QToolButton::MenuButtonPopup);
        button->setAutoRaise(true);
        button->installEventFilter(this);
        ToolBar1->addWidget(button);
        return button;
    };
    ReadAllBtn = dropDownButton(QStringLiteral("ReadAllBtn"), DGetAllAct, ReadDropMenu);
    WriteAllBtn = dropDownButton(QStringLiteral("WriteAllBtn"), DPutAllAct, WriteDropMenu);
    ToolBar1->addSeparator();
    ToolBar1->addAction(DPrintBDAct);
    ToolBar1->addSeparator();
    ToolBar1->addAction(DExitAct);
    ToolBar1->addSeparator();

    CntrStatusLbl = new QLabel(ToolBar1);
    CntrStatusLbl->setObjectName(QStringLiteral("CntrStatusLbl"));
    CntrStatusLbl->setFixedSize(Scale.px(StatusLabelWidth), Scale.px(StatusLabelHeight));
    CntrStatusLbl->setAlignment(Qt::AlignCenter);
    CntrStatusLbl->setAutoFillBackground(true);
    // Inside a toolbar a label would take the button colours.
    CntrStatusLbl->setForegroundRole(QPalette::WindowText);
    CntrStatusLbl->setBackgroundRole(QPalette::Window);
    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setPixelSize(Scale.px(StatusLabelFontPixels));
    CntrStatusLbl->setFont(labelFont);
    QPalette palette = CntrStatusLbl->palette();
    palette.setColor(QPalette::Window, QColor(240, 251, 255));
    CntrStatusLbl->setPalette(palette);
    ToolBar1->addWidget(CntrStatusLbl);
    ShowPortStatus(false, 0);
}

QLineEdit* TMainFrm::CreateInfoField(const QString& name) {
    auto* edit = new QLineEdit(Unknown);
    edit->setObjectName(name);
    SetFieldReadOnly(edit, true);
    return edit;
}

void TMainFrm::SetFieldReadOnly(QLineEdit* edit, bool readOnly) {
    edit->setReadOnly(readOnly);
    const QPalette standard = edit->style()->standardPalette();
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, standard.color(readOnly ? QPalette::Button : QPalette::Base));
    edit->setPalette(palette);
}

QWidget* TMainFrm::CreateInfoPage() {
    struct Field {
        const char* caption;
        const char* name;
        QLineEdit** edit;
    };
    const Field identity[] = {
        {QT_TR_NOOP("Programm Version:"), "PrgVersionEdit", &PrgVersionEdit},
        {QT_TR_NOOP("Controller S/N:"), "CtrSerialEdit", &CtrSerialEdit},
        {QT_TR_NOOP("Controller Info:"), "CtrInfoEdit", &CtrInfoEdit},
        {QT_TR_NOOP("Max Master Key count:"), "MaxMKeyEdit", &MaxMKeyEdit},
        {QT_TR_NOOP("Max Slave Key count:"), "MaxSKeyEdit", &MaxSKeyEdit},
        {QT_TR_NOOP("Electronical keys type:"), "KeyTypeEdit", &KeyTypeEdit},
    };
    const Field settings[] = {
        {QT_TR_NOOP("Amount of memory (kB):"), "MemoryEdit", &MemoryEdit},
        {QT_TR_NOOP("Door lock holding time (s):"), "LockTimeEdit", &LockTimeEdit},
        {QT_TR_NOOP("Open door signalization time (s):"), "DoorSignalEdit", &DoorSignalEdit},
        {QT_TR_NOOP("Type of door opening gauge:"), "DoorTypeEdit", &DoorTypeEdit},
    };
    auto panel = [this](const QString& name, const Field* fields, int count) {
        auto* frame = new QFrame;
        frame->setObjectName(name);
        frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        auto* grid = new QGridLayout(frame);
        for (int i = 0; i < count; ++i) {
            *fields[i].edit = CreateInfoField(QString::fromLatin1(fields[i].name));
            auto* label = new QLabel(tr(fields[i].caption));
            label->setBuddy(*fields[i].edit);
            grid->addWidget(label, i, 0);
            grid->addWidget(*fields[i].edit, i, 1);
        }
        grid->setColumnStretch(1, 1);
        return frame;
    };

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(panel(QStringLiteral("InfoPanel1"), identity, int(std::size(identity))));
    layout->addWidget(panel(QStringLiteral("InfoPanel2"), settings, int(std::size(settings))));
    layout->addStretch(1);
    CtrInfoEdit->setValidator(new TTypedTextValidator(CtrInfoEdit, InfoTextMaxTyped));
    return page;
}

QWidget* TMainFrm::CreateKeysPage(const QString& prefix, QToolBar*& toolBar, QTableView*& grid,
                                  QAction* buttons[7]) {
    struct Button {
        const char* name;
        const char* hint;
        const char* icon;
    };
    const bool master = prefix == QLatin1String("M");
    const Button specs[7] = {
        {"FirstBtn", QT_TR_NOOP("First Record"), "go-first"},
        {"PriorBtn", QT_TR_NOOP("Privios Record"), "go-previous"},
        {"NextBtn", QT_TR_NOOP("Next Record"), "go-next"},
        {"LastBtn", QT_TR_NOOP("Last Record"), "go-last"},
        {"EditKeyBtn", QT_TR_NOOP("Edit Key Info"), "document-properties"},
        {"DelKeyBtn", master ? QT_TR_NOOP("Deactivate Key") : QT_TR_NOOP("Deacivate Key"), "edit-delete"},
        {"FindKeyBtn", QT_TR_NOOP("Find Key"), "edit-find"},
    };

    auto* page = new QWidget;
    toolBar = new QToolBar(page);
    toolBar->setObjectName(master ? QStringLiteral("ToolBar2") : QStringLiteral("ToolBar3"));
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int i = 0; i < 7; ++i) {
        const QString hint = tr(specs[i].hint);
        buttons[i] = NewAction(prefix + QString::fromLatin1(specs[i].name), hint, hint, true);
        buttons[i]->setIcon(themeIcon(QString::fromLatin1(specs[i].icon)));
        if (i == 4 || i == 6)
            toolBar->addSeparator();
        toolBar->addAction(buttons[i]);
    }
    // Only the page in front has its toolbar visible, so the shortcut finds there.
    buttons[6]->setShortcut(QKeySequence::Find);
    // The page's view is not open yet.
    toolBar->setEnabled(false);

    grid = new QTableView(page);
    grid->setObjectName(master ? QStringLiteral("MKeysGrid") : QStringLiteral("SKeysGrid"));
    auto* model = new QStandardItemModel(0, 4, grid);
    model->setHorizontalHeaderLabels({QStringLiteral("#"), tr("Key code"), tr("Active"), tr("Memo")});
    grid->setModel(model);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setColumnWidth(0, Scale.px(32));
    grid->setColumnWidth(1, Scale.px(110));
    grid->setColumnWidth(2, Scale.px(48));
    (master ? MKeysEmptyModel : SKeysEmptyModel) = model;

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(grid);
    return page;
}

void TMainFrm::CreatePages() {
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    InfoSheet = CreateInfoPage();
    InfoSheet->setObjectName(QStringLiteral("InfoSheet"));
    QAction* masterButtons[7];
    MKeysSheet = CreateKeysPage(QStringLiteral("M"), ToolBar2, MKeysGrid, masterButtons);
    MKeysSheet->setObjectName(QStringLiteral("MKeysSheet"));
    MFirstBtn = masterButtons[0];
    MPriorBtn = masterButtons[1];
    MNextBtn = masterButtons[2];
    MLastBtn = masterButtons[3];
    MEditKeyBtn = masterButtons[4];
    MDelKeyBtn = masterButtons[5];
    MFindKeyBtn = masterButtons[6];
    QAction* slaveButtons[7];
    SKeysSheet = CreateKeysPage(QStringLiteral("S"), ToolBar3, SKeysGrid, slaveButtons);
    SKeysSheet->setObjectName(QStringLiteral("SKeysSheet"));
    SFirstBtn = slaveButtons[0];
    SPriorBtn = slaveButtons[1];
    SNextBtn = slaveButtons[2];
    SLastBtn = slaveButtons[3];
    SEditKeyBtn = slaveButtons[4];
    SDelKeyBtn = slaveButtons[5];
    SFindKeyBtn = slaveButtons[6];
    PageControl->addTab(InfoSheet, tr("Controller &Info"));
    PageControl->addTab(MKeysSheet, tr("&Master Keys"));
    PageControl->addTab(SKeysSheet, tr("&Slave Keys"));
    setCentralWidget(PageControl);

    // Both information panels start their fields at the same place, measured in the window's font.
    const QList<QLabel*> captions = InfoSheet->findChildren<QLabel*>();
    int captionWidth = 0;
    for (QLabel* label : captions)
        captionWidth = std::max(captionWidth, label->sizeHint().width());
    for (QLabel* label : captions)
        label->setMinimumWidth(captionWidth);
}

void TMainFrm::CreateStatusBar() {
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);
    StatusPanel = new QLabel(statusBar());
    StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
    StatusPanel->setFixedWidth(Scale.px(StatusPanelWidth));
    StatusPanel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    statusBar()->addWidget(StatusPanel);
}

void TMainFrm::ConnectHandlers() {
    connectHandler(DExitAct, &QAction::triggered, this, [this] { DExitActExecute(); });
    connectHandler(MenuAbout, &QAction::triggered, this, [this] { MenuAboutClick(); });
    ConnectKeyListHandlers();
    ConnectReportHandlers();
    ConnectControllerHandlers();
}

void TMainFrm::ApplyLayoutSize() {
    const int menuHeight = menuBar()->sizeHint().height();
    setMinimumSize(Scale.px(MinWidth), Scale.px(MinClientHeight) + menuHeight);
    setMaximumSize(Scale.px(MaxWidth), Scale.px(MaxClientHeight) + menuHeight);
    resize(Scale.px(ClientWidth), Scale.px(ClientHeight) + menuHeight);
}

void TMainFrm::CentreOnDesktop() {
    QScreen* screen = this->screen();
    if (!screen)
        return;
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

QList<QAction*> TMainFrm::KeyTransferActions() const {
    return {DGetMKeysAct, DPutMKeysAct, DGetSKeysAct, DPutSKeysAct,
            DGetAllAct,   DPutAllAct,   DCompareAct,  DSyncAct};
}

void TMainFrm::ShowPortStatus(bool open, int comNumber) {
    CntrStatusLbl->setText(displayText(portStatusText(open, comNumber)));
    QPalette palette = CntrStatusLbl->palette();
    palette.setColor(QPalette::WindowText, portStatusColor(open));
    CntrStatusLbl->setPalette(palette);
}

void TMainFrm::DallasPortPortOpen() {
    DCheckAct->setEnabled(true);
    DGetInfoAct->setEnabled(true);
}

void TMainFrm::DallasPortPortClose() {
    DCheckAct->setEnabled(false);
    DGetInfoAct->setEnabled(false);
    DPutInfoAct->setEnabled(false);
    EnableKeyTransferActions(false);
}

void TMainFrm::EnableKeyTransferActions(bool enabled) {
    for (QAction* action : KeyTransferActions())
        action->setEnabled(enabled);
}

void TMainFrm::RestoreAndRaise() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void TMainFrm::UseDialogs(const TDialogs& dialogs) {
    ProgressFrm = dialogs.progress;
    AboutForm = dialogs.about;
    DBEditFrm = dialogs.editKey;
    FindKeyFrm = dialogs.findKey;
    LineTestFrm = dialogs.lineTest;
}

void TMainFrm::FormShow() {
    QString workDirFailure;
    try {
        WorkDir = TWorkDir::prepare();
    } catch (const std::exception& e) {
        // The window still comes up; the key-list commands refuse to work without the directory.
        WorkDir.clear();
        workDirFailure = QString::fromUtf8(e.what());
    }
    Door->Conversation().ResetSequence();
    PageControl->setCurrentIndex(0);
    KeyListStore->SetWorkDir(WorkDir);
    KeyListCommands->Reset();
    for (QAction* action : {DSaveBDAct, MenuSaveAs, DCheckAct, DPutInfoAct})
        action->setEnabled(false);
    EnableKeyTransferActions(false);
    DGetInfoAct->setEnabled(false);
    if (!workDirFailure.isEmpty())
        TErrorReport::show(workDirFailure);
}

bool TMainFrm::FormClose() {
    if (KeyList().Modified()) {
        switch (MessageBoxes().confirmYesNoCancel(
            tr("Current key list has been changed. Do you want to save changes before exit?"))) {
        case TMessageBoxes::Answer::Yes:
            // A save that failed or was cancelled keeps the window, and with it the changes.
            if (!SaveKeyListForExit())
                return false;
            break;
        case TMessageBoxes::Answer::No:
            break;
        default:
            return false;
        }
    }
    // Each step runs even when one before it failed, so that the port is not left open.
    TErrorReport::run([this] { CloseKeyViews(); });
    TErrorReport::run([this] { CloseControllerPort(); });
    TErrorReport::run([this] { DeleteWorkingCopy(); });
    return true;
}

bool TMainFrm::SaveKeyListForExit() {
    return KeyListCommands->Save();
}

void TMainFrm::CloseKeyViews() {
    KeyListStore->CloseViews();
}

void TMainFrm::CloseControllerPort() {
    DallasPort->SetOpen(false);
}

void TMainFrm::DeleteWorkingCopy() {
    if (WorkDir.isEmpty())
        return;
    const QString path = WorkDir + QLatin1Char('/') + WorkingCopyName;
    if (QFile::exists(path) && !QFile::remove(path))
        throw std::runtime_error(QStringLiteral("Cannot delete %1").arg(path).toStdString());
    // The index files are private to this run as well.
    QDir dir(WorkDir);
    for (const QString& name : TKeyListStore::WorkFileNames())
        dir.remove(name);
    // Nothing of the run is left in the temporary folder; a folder still holding files stays.
    QDir().rmdir(WorkDir);
}

void TMainFrm::DExitActExecute() {
    close();
}

void TMainFrm::MenuAboutClick() {
    if (!AboutForm)
        return;
    AboutForm->show();
    AboutForm->raise();
    AboutForm->activateWindow();
}

void TMainFrm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Un-minimising is spontaneous; only the program showing the window counts.
    if (!event->spontaneous())
        TErrorReport::run([this] { FormShow(); });
}

void TMainFrm::closeEvent(QCloseEvent* event) {
    if (TransferRunning()) {
        event->ignore();
        return;
    }
    bool closes = true;
    TErrorReport::run([this, &closes] { closes = FormClose(); });
    if (closes)
        event->accept();
    else
        event->ignore();
}

bool TMainFrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == CtrInfoEdit && event->type() == QEvent::MouseButtonRelease)
        TErrorReport::run([this] { CtrInfoEditClick(); });
    // An action without a hint shows no tool tip; Qt would show its caption instead.
    if (event->type() == QEvent::ToolTip) {
        auto* button = qobject_cast<QToolButton*>(watched);
        if (button && button->defaultAction() && button->defaultAction()->statusTip().isEmpty())
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
