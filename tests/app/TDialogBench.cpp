#include "tests/app/TDialogBench.h"

#include "app/TAboutForm.h"
#include "app/TMainFrm.h"
#include "app/TProgressFrm.h"
#include "app/TShowNoteForm.h"
#include "app/TSplashForm.h"
#include "controller/ui/TLineTestFrm.h"
#include "dbf/TDbfTable.h"
#include "keylist/TKeyImport.h"
#include "keylist/TKeyListRows.h"
#include "keylist/TKeyListStore.h"
#include "keylist/ui/TDBEditFrm.h"
#include "keylist/ui/TEnrolKeysFrm.h"
#include "keylist/ui/TFindKeyFrm.h"
#include "keylist/ui/TImportPreviewFrm.h"
#include "onewire/TOneWireSettings.h"
#include "report/TrpReport.h"
#include "report/ui/TrpPreviewFrm.h"
#include "serial/ui/TComSelectForm.h"
#include "site/TSiteFile.h"
#include "site/ui/TSiteFrm.h"
#include "sync/TKeyComparison.h"
#include "sync/TKeyListFile.h"
#include "sync/TKeyTables.h"
#include "sync/ui/TDifferencesFrm.h"
#include "sync/ui/THistoryFrm.h"
#include "tests/support/TWindowParts.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

namespace {
TKeyTables tables(const QString& serial, const QString& code, const QString& note) {
    TKeyTables t;
    t.serial = serial;
    t.MarkAllEmpty();
    TKeySlot key = t.slave.Slot(3);
    key.active = true;
    key.keyCode = code;
    key.memo = note;
    t.slave.SetSlot(3, key);
    return t;
}

// A list of another controller holding a key the controller lacks.
TKeyComparison comparison() {
    return TKeyComparison(
        tables(QStringLiteral("VT000399"), QStringLiteral("0100000012C1"), QStringLiteral("Flat 4")),
        tables(QStringLiteral("VT000417"), QStringLiteral("0100000012C2"), QString()));
}
} // namespace

TDialogBench::TDialogBench() {
    qputenv("TEMP", QFile::encodeName(temp.path()));
    forms.create();
    forms.MainFrm->show();
    TWindowParts::Action(forms.MainFrm, "DNewBDAct")->trigger();
    TDbfTable& master = forms.MainFrm->Store().MKeysTable();
    if (!master.Active())
        qFatal("no new key list: %s", qPrintable(boxes.texts().join(QLatin1Char(' '))));
    // A key to look at in the key dialog.
    TKeySlot first = TKeyListRows::Read(master).value(0);
    first.active = true;
    first.keyCode = QStringLiteral("2BC5FB000000");
    first.memo = QStringLiteral("Caretaker");
    TKeyListRows::Write(master, first);
    master.First();
}

TDialogBench::~TDialogBench() {
    owned.clear();
    qunsetenv("TEMP");
}

QStringList TDialogBench::Dialogs() {
    return {QStringLiteral("master key"),    QStringLiteral("slave key"),   QStringLiteral("find key"),
            QStringLiteral("enrol keys"),    QStringLiteral("import keys"), QStringLiteral("compare"),
            QStringLiteral("write changes"), QStringLiteral("history"),     QStringLiteral("port chooser"),
            QStringLiteral("site"),          QStringLiteral("about"),       QStringLiteral("progress"),
            QStringLiteral("line test"),     QStringLiteral("note"),        QStringLiteral("splash"),
            QStringLiteral("report preview")};
}

QWidget* TDialogBench::Open(const QString& name) {
    QWidget* window = Make(name);
    if (!window)
        qFatal("no dialog called \"%s\"", qPrintable(name));
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        qFatal("the dialog \"%s\" was not shown", qPrintable(name));
    QCoreApplication::processEvents();
    return window;
}

QWidget* TDialogBench::Own(std::unique_ptr<QWidget> widget) {
    owned.push_back(std::move(widget));
    return owned.back().get();
}

QString TDialogBench::WriteSite() {
    TKeyListFile::Write(tables(QStringLiteral("VT1"), QStringLiteral("2BC5FB000000"), QStringLiteral("Ann")),
                        temp.filePath(QStringLiteral("a.dbf")));
    QFile site(temp.filePath(TSiteFile::FileName));
    if (!site.open(QIODevice::WriteOnly))
        qFatal("cannot write the site file");
    site.write("[site]\nname = Office\n[door]\nserial = VT1\nname = Main\nlist = a.dbf\n");
    return temp.path();
}

QWidget* TDialogBench::Make(const QString& name) {
    TMainFrm& frm = *forms.MainFrm;
    if (name == QLatin1String("master key") || name == QLatin1String("slave key")) {
        TWindowParts::Pages(&frm, "PageControl")->setCurrentIndex(name.startsWith(QLatin1Char('m')) ? 1 : 2);
        forms.DBEditFrm->FormShow();
        return forms.DBEditFrm;
    }
    if (name == QLatin1String("find key")) {
        forms.FindKeyFrm->FormShow();
        return forms.FindKeyFrm;
    }
    if (name == QLatin1String("enrol keys")) {
        // Nobody listens there: the window says so in its status line.
        TOneWireSettings::SetServerAddress(QStringLiteral("127.0.0.1:1"));
        return Own(std::make_unique<TEnrolKeysFrm>(frm.Store(), frm.Store().MKeysTable()));
    }
    if (name == QLatin1String("import keys")) {
        const QVector<TKeySlot> current =
            TKeyListRows::Read(frm.Store().MKeysTable()) + TKeyListRows::Read(frm.Store().SKeysTable());
        const TKeyImport plan =
            TKeyImport::Plan("type,slot,code,note\nS,2,222222222222,new\nS,3,XYZ,refused\n", current);
        return Own(std::make_unique<TImportPreviewFrm>(plan, temp.filePath(QStringLiteral("keys.csv"))));
    }
    if (name == QLatin1String("compare") || name == QLatin1String("write changes")) {
        auto* differences = frm.findChild<TDifferencesFrm*>();
        differences->Present(comparison(), name == QLatin1String("compare") ? TSyncViewer::Purpose::Compare
                                                                            : TSyncViewer::Purpose::Write);
        return differences;
    }
    if (name == QLatin1String("history")) {
        auto* history = frm.findChild<THistoryFrm*>();
        history->SetRestoreEnabled(false);
        history->Reload();
        return history;
    }
    if (name == QLatin1String("port chooser"))
        return Own(std::make_unique<TComSelectForm>());
    if (name == QLatin1String("site")) {
        auto site = std::make_unique<TSiteFrm>(boxes, [](const QString&) {});
        site->OpenSite(WriteSite());
        return Own(std::move(site));
    }
    if (name == QLatin1String("about"))
        return forms.AboutForm;
    if (name == QLatin1String("progress")) {
        frm.StartProgress(QStringLiteral("1/8"));
        return forms.ProgressFrm;
    }
    if (name == QLatin1String("line test"))
        return forms.LineTestFrm;
    if (name == QLatin1String("note")) {
        forms.ShowNoteForm->NoteMemo->setPlainText(QStringLiteral("1 2 3"));
        return forms.ShowNoteForm;
    }
    if (name == QLatin1String("splash"))
        return Own(std::make_unique<TSplashForm>());
    if (name == QLatin1String("report preview")) {
        auto report = std::make_shared<TrpReport>(boxes);
        kept.push_back(report);
        report->Title = QStringLiteral("VELM Tarvikon");
        if (!report->LoadTemplate(QCoreApplication::applicationDirPath() + QStringLiteral("/CtrlInfo.rpt")) ||
            !report->BuildPages())
            qFatal("the report was not built");
        // As it opens on a common laptop screen, 1366 pixels wide; the test platform's is smaller.
        auto preview = std::make_unique<TrpPreviewFrm>(*report, report->Pages());
        preview->resize(std::max(preview->width(), 1366 * 9 / 10), preview->height());
        return Own(std::move(preview));
    }
    return nullptr;
}
