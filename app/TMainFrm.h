#pragma once

#include "controller/TControllerHost.h"
#include "controller/TControllerInfoData.h"
#include "keylist/TKeyListHost.h"
#include "seams/ui/TScreenScale.h"
#include "site/TOpenListHook.h"
#include "site/TSiteRoundHost.h"

#include <QColor>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <utility>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QStandardItemModel;
class QTabWidget;
class QTableView;
class QToolBar;
class QToolButton;
class TAboutForm;
class TAppSettings;
class TControllerSession;
class TControllerPort;
class TDbfKeyView;
class TDifferencesFrm;
class TDoorSession;
class THistoryFrm;
class TSiteFrm;
class TSiteSaveJournal;
class TLineTestFrm;
class TSerComPort;
class TDBEditFrm;
class TDbfEnv;
class TDbfTable;
class TFindKeyFrm;
class TKeyGrid;
class TKeyListCommands;
class TKeyListDocument;
class TKeyListStore;
class TProgressFrm;
class TrpDBDataSet;
class TrpDbfTableRows;
class TrpReport;

// The main window. It holds the program's actions and the handlers the key-list, controller,
// printing and serial parts connect to them; those handlers stay a few lines each and call code
// that lives outside the window.
// The key-list state is a TKeyListDocument that the window observes; the key-list commands reach
// the window through TKeyListHost. Its widgets, actions and menus are its own: others find them by
// their object names.
class TMainFrm : public QMainWindow,
                 public TKeyListHost,
                 public TControllerHost,
                 public TOpenListHook,
                 public TSiteRoundHost {
    Q_OBJECT

public:
    explicit TMainFrm(QWidget* parent = nullptr);
    ~TMainFrm() override;

    // Captions and colours of the port status label.
    static QString portStatusText(bool open, int comNumber);
    static QColor portStatusColor(bool open);
    // The port status label after an attempt to open the controller port.
    void ShowPortStatus(bool open, int comNumber);

    // A second start of the program asked for this window.
    void RestoreAndRaise();

    // What the program remembers between runs (the port chooser keeps its own pointer): the last
    // folder of the file dialogs and the recent key lists. Without it nothing is remembered.
    void UseSettings(TAppSettings* settings);

    // The windows made at start-up after this one (TAppForms), not owned here. Without them their
    // commands do nothing.
    struct TDialogs {
        TProgressFrm* progress = nullptr;
        TAboutForm* about = nullptr;
        TDBEditFrm* editKey = nullptr;
        TFindKeyFrm* findKey = nullptr;
        TLineTestFrm* lineTest = nullptr;
    };
    void UseDialogs(const TDialogs& dialogs);

    // Grey and read-only, or window-coloured and editable: the controller-information fields.
    static void SetFieldReadOnly(QLineEdit* edit, bool readOnly);

    // The core objects behind the widgets: the key-list files and their two views, the controller
    // port and the controller session over it.
    TKeyListStore& Store() { return *KeyListStore; }
    TSerComPort& Port() { return *DallasPort; }
    TControllerSession& ControllerSession();
    // Where the report templates are looked for first; the executable's directory unless set.
    void SetReportTemplateDir(const QString& dir) { ReportTemplateDir = dir; }

    // The main window's page: 0 controller information, 1 master keys, 2 slave keys.
    int ActivePage() const;

    // TKeyListHost.
    TKeyListDocument& KeyList() override { return *KeyListDocument; }
    QString ControllerSerial() const override;
    QString ControllerInfo() const override;
    void SetControllerFields(const QString& serial, const QString& info) override;
    void SetCaption(const QString& caption) override;
    void SetStatusText(const QString& text) override;
    void EnableSave(bool enabled) override;
    void StartProgress(const QString& text) override;
    void StepProgress(int step) override;
    void CloseProgress() override;
    void SetBusyCursor(bool busy) override;

    // TControllerHost (StartProgress, StepProgress and CloseProgress are shared with TKeyListHost).
    void OpenControllerPort() override;
    void PumpMessages() override;
    TControllerInfoData ControllerInfoData() const override { return CtrInfoData; }
    void SetControllerInfoData(const TControllerInfoData& data) override;
    void SetKeyTransferEnabled(bool enabled) override;
    TKeyView& MasterView() override;
    TKeyView& SlaveView() override;

    // TOpenListHook: what the Site window changes in the open list.
    QString OpenListPath() override;
    void ApplyToOpenList(const QList<TSiteKeyChange::TSlot>& edits) override;

    // TSiteRoundHost: the door round the Site window starts, run by the window's own commands.
    bool ReadControllerIdentity(QString& serial, QString& info) override;
    bool OpenKeyList(const QString& path) override;
    void WriteChanges() override;
    bool ReadIntoNewList() override;
    bool SaveListAs(const QString& path) override;
    const TSnapshotStore& History() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Runs "Save key list..." for the close prompt and answers whether the key list was saved.
    virtual bool SaveKeyListForExit();

private:
    static const QColor PortOpenColor;
    static const QColor PortClosedColor;

    // Runs when the window is shown: working directory, sequence counter, first tab, change flag,
    // key-list path, and the controller and save actions disabled.
    void FormShow();
    // Runs when the window is asked to close; false keeps it open (the user cancelled the save
    // prompt, or the save that the user asked for did not happen).
    bool FormClose();

    // DallasPort's OnPortOpen and OnPortClose.
    void DallasPortPortOpen();
    void DallasPortPortClose();
    // The port closed because its device hung up (adapter pulled).
    void DallasPortPortHangup();
    // The version gate: an accepted firmware version enables the six key-transfer actions, a
    // refused one disables them.
    void EnableKeyTransferActions(bool enabled);

    // Fills "Recent key lists" from the settings; empty and disabled when there are none.
    void UpdateRecentMenu();
    // Help > Language (TMainFrmLanguage.cpp): the desktop's language or one the user chooses.
    QMenu* CreateLanguageMenu();
    void UpdateLanguageMenu();
    void MenuLanguageClick(const QString& language);
    void MenuRecentClick(const QString& path);

    // Shows the values without judging them as a change of the key list.
    void ShowControllerInfo(const TControllerInfoData& data);

    // Controller handlers.
    void MenuSelectPortClick();
    void DCheckActExecute();
    // True while a key transfer runs: the commands that would change the port, the views or the
    // key list are refused until it ends.
    bool TransferRunning() const;

    // Compare, write changes and the controller history (TMainFrmSync.cpp).
    void DCompareActExecute();
    void DSyncActExecute();
    void DHistoryActExecute();
    // The Site window (TMainFrmSite.cpp): every controller of a building.
    QAction* SiteAction();
    void MenuSiteClick();
    // The serial number in the open key list's header record; empty without a list.
    QString KeyListHeaderSerial() const;

    // Key-list handlers.
    void DNewBDActExecute();
    void DOpenBDActExecute();
    void DSaveBDActExecute();
    void MenuSaveAsClick();
    void MKeysTableAfterEdit();
    void MKeysTableAfterOpen();
    void SKeysTableAfterOpen();
    void MKeysTableAfterClose();
    void SKeysTableAfterClose();
    void CtrInfoEditChange();
    void CtrInfoEditClick();
    void MEditKeyBtnClick();
    void MKeysGridDblClick();
    void SKeysGridDblClick();
    void MDelKeyBtnClick();
    void SDelKeyBtnClick();
    void MFindKeyBtnClick();
    void MKeysGridTitleBtnClick(int column);
    void SKeysGridTitleBtnClick(int column);

    // Keys in and out (TMainFrmKeysInOut.cpp): CSV export and import, enrolment from a reader.
    void MenuExportCsvClick();
    void MenuImportCsvClick();
    void MEnrolKeysBtnClick();

    // Printing handlers.
    void DPrintBDActExecute();
    void KeyReportBeginDoc();
    void KeyReportEndDoc();
    void KeyReportGetValue(const QString& name, QVariant& value);

    void FormCreate();
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreatePages();
    QWidget* CreateInfoPage();
    QWidget* CreateKeysPage(const QString& prefix, QToolBar*& toolBar, QTableView*& grid,
                            QAction* buttons[7]);
    QLineEdit* CreateInfoField(const QString& name);
    // The tab's fields with the member of CtrInfoData each one shows.
    QList<std::pair<QLineEdit*, QString TControllerInfoData::*>> InfoFields() const;
    void CreateStatusBar();
    void ConnectHandlers();
    void CreateKeyList();
    void ConnectKeyListHandlers();
    void CreateKeysInOut();
    void CreateReport();
    void ConnectReportHandlers();
    void CreateController();
    void ConnectControllerHandlers();
    void CreateSync();
    void ConnectSyncHandlers();
    // Runs a controller command with the window's commands held off while it runs.
    template <typename Command> void RunControllerCommand(Command command);
    void RunControllerTask(const std::function<void()>& task);
    void UpdateNavigation(TDbfTable* view);
    void ApplyLayoutSize();
    void CentreOnDesktop();
    // Names and descriptions for screen readers (TMainFrmAccessibility.cpp).
    void NameForAccessibility();
    void NameInfoFields();
    void DescribePortStatus(bool open, int comNumber);

    QAction* NewAction(const QString& name, const QString& caption, const QString& hint, bool enabled);
    QList<QAction*> KeyTransferActions() const;

    // The closing steps after the save prompt.
    void CloseKeyViews();
    void CloseControllerPort();
    void DeleteWorkingCopy();

    void DExitActExecute();
    void MenuAboutClick();

    // Application-wide values.
    QString WorkDir;

    // Dialogs created at start-up (UseDialogs).
    TProgressFrm* ProgressFrm = nullptr;
    TAboutForm* AboutForm = nullptr;
    TDBEditFrm* DBEditFrm = nullptr;
    TFindKeyFrm* FindKeyFrm = nullptr;
    TLineTestFrm* LineTestFrm = nullptr;

    // The engine settings, the two views of the working copy and the key-list store over them.
    TDbfEnv* DbfEnv1;
    TDbfTable* MKeysTable;
    TDbfTable* SKeysTable;
    TKeyListDocument* KeyListDocument;
    TKeyListStore* KeyListStore;
    TKeyListCommands* KeyListCommands;
    TKeyGrid* MKeysGridLink;
    TKeyGrid* SKeysGridLink;

    // The key-list report, its two data-band sources and what they read: the views as they stand
    // (TMainFrmReport.cpp).
    TrpReport* KeyReport;
    TrpDBDataSet* rpDBDataSet1;
    TrpDBDataSet* rpDBDataSet2;
    TrpDbfTableRows* MDataSource;
    TrpDbfTableRows* SDataSource;
    // Where the report templates are looked for first: the executable's directory; then in the
    // installation's data directory.
    QString ReportTemplateDir;

    // The controller port and the controller commands over it.
    TSerComPort* DallasPort;
    std::unique_ptr<TControllerPort> ControllerPort;
    std::unique_ptr<TDbfKeyView> MKeysView;
    std::unique_ptr<TDbfKeyView> SKeysView;
    // Everything said on the port: the controller commands, compare, write changes, restore and
    // the snapshots they keep (TMainFrmSync.cpp).
    std::unique_ptr<TDoorSession> Door;
    std::unique_ptr<TSiteSaveJournal> SiteSaveJournal;
    TDifferencesFrm* DifferencesFrm = nullptr;
    THistoryFrm* HistoryFrm = nullptr;
    QAction* MenuSite = nullptr;
    TSiteFrm* SiteFrm = nullptr;
    QAction* DCompareAct = nullptr;
    QAction* DSyncAct = nullptr;
    QAction* DHistoryAct = nullptr;

    // Keys in and out.
    QAction* MenuExportCsv;
    QAction* MenuImportCsv;
    QAction* MEnrolKeysBtn;
    QAction* SEnrolKeysBtn;

    // Actions.
    QAction* DNewBDAct;
    QAction* DOpenBDAct;
    QAction* DSaveBDAct;
    QAction* DPrintBDAct;
    QAction* DExitAct;
    QAction* DCheckAct;
    QAction* DGetInfoAct;
    QAction* DPutInfoAct;
    QAction* DGetMKeysAct;
    QAction* DPutMKeysAct;
    QAction* DGetSKeysAct;
    QAction* DPutSKeysAct;
    QAction* DGetAllAct;
    QAction* DPutAllAct;
    // Plain menu items.
    QAction* MenuSaveAs;
    QAction* MenuSelectPort;
    QAction* MenuAbout;

    QMenu* MenuFile;
    QMenu* MenuRecent;
    QMenu* MenuDallas;
    QMenu* MenuReadData;
    QMenu* MenuWriteData;
    QMenu* MenuHelp;
    QMenu* MenuLanguage = nullptr;
    QMenu* ReadDropMenu;
    QMenu* WriteDropMenu;

    QToolBar* ToolBar1;
    QToolButton* ReadAllBtn;
    QToolButton* WriteAllBtn;
    QLabel* CntrStatusLbl;
    QLabel* StatusPanel;

    QTabWidget* PageControl;
    QWidget* InfoSheet;
    QWidget* MKeysSheet;
    QWidget* SKeysSheet;

    // The "Controller Info" tab.
    QLineEdit* PrgVersionEdit;
    QLineEdit* CtrSerialEdit;
    QLineEdit* CtrInfoEdit;
    QLineEdit* MaxMKeyEdit;
    QLineEdit* MaxSKeyEdit;
    QLineEdit* KeyTypeEdit;
    QLineEdit* MemoryEdit;
    QLineEdit* LockTimeEdit;
    QLineEdit* DoorSignalEdit;
    QLineEdit* DoorTypeEdit;
    // What the tab shows; every change of a field, typed or set, is copied into it.
    TControllerInfoData CtrInfoData;

    // The key pages: toolbars (disabled until their view is open) and grids.
    QToolBar* ToolBar2;
    QAction* MFirstBtn;
    QAction* MPriorBtn;
    QAction* MNextBtn;
    QAction* MLastBtn;
    QAction* MEditKeyBtn;
    QAction* MDelKeyBtn;
    QAction* MFindKeyBtn;
    QTableView* MKeysGrid;
    QToolBar* ToolBar3;
    QAction* SFirstBtn;
    QAction* SPriorBtn;
    QAction* SNextBtn;
    QAction* SLastBtn;
    QAction* SEditKeyBtn;
    QAction* SDelKeyBtn;
    QAction* SFindKeyBtn;
    QTableView* SKeysGrid;

    TScreenScale Scale;
    TAppSettings* Settings = nullptr;
    QStandardItemModel* MKeysEmptyModel;
    QStandardItemModel* SKeysEmptyModel;
};
