// Opens the main window on a key list with keys and prints it, so that the print preview can be
// looked at (and photographed for the README). With a file name it also writes the report's pages
// there as an A4 PDF; with a number of seconds it closes the preview after that time, and with a
// picture file it leaves a picture of the preview there. It speaks the desktop's language.
//
//   vtrk-report-demo [pdf-file [seconds [png-file]]]
#include "app/TMainFrm.h"
#include "dbf/TDbfField.h"
#include "dbf/TDbfTable.h"
#include "keylist/TKeyListStore.h"
#include "report/TrpPages.h"
#include "report/TrpReport.h"
#include "report/ui/TrpPreviewFrm.h"
#include "settings/TLanguage.h"
#include "tests/support/TTestMessageBoxes.h"
#include "tests/support/TWindowParts.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

using namespace TWindowParts;

namespace {

void setKey(TDbfTable* view, int slot, const QString& code, const QString& memo) {
    for (view->First(); !view->Eof(); view->Next()) {
        if (view->FieldByName(QStringLiteral("KEYID"))->AsInteger() != slot)
            continue;
        view->Edit();
        view->FieldByName(QStringLiteral("KEYCODE"))->SetAsString(code);
        view->FieldByName(QStringLiteral("KEYSTATUS"))->SetAsBoolean(true);
        view->FieldByName(QStringLiteral("KEYMEMO"))->SetAsString(memo);
        view->Post();
        return;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    TrpPreviewFrm::installAsStandard();
    const QString pdf = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int seconds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    const QString picture = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    const TLanguage language(TLanguage::Choose(QString(), TLanguage::DesktopLanguages()));
    QTemporaryDir temp;
    qputenv("TEMP", temp.path().toLocal8Bit());

    TMainFrm frm;
    frm.show();
    {
        TTestMessageBoxes quiet; // "New key list created" would wait for a click
        Action(&frm, "DNewBDAct")->trigger();
    }
    const std::pair<const char*, const char*> fields[] = {{"PrgVersionEdit", "TARVK001"},
                                                          {"CtrSerialEdit", "00-0417-2291"},
                                                          {"CtrInfoEdit", "Riverside 12, main entrance"},
                                                          {"MaxMKeyEdit", "8"},
                                                          {"MaxSKeyEdit", "128"},
                                                          {"KeyTypeEdit", "DS-1990A"},
                                                          {"MemoryEdit", "2"},
                                                          {"LockTimeEdit", "5"},
                                                          {"DoorSignalEdit", "30"},
                                                          {"DoorTypeEdit", "Reed contact"}};
    for (const auto& [name, text] : fields)
        Edit(&frm, name)->setText(QString::fromLatin1(text));
    setKey(&frm.Store().MKeysTable(), 0, "01A2B3C40D00", "Caretaker");
    setKey(&frm.Store().MKeysTable(), 3, "01F00D5EED03", "Building owner");
    const QStringList tenants{"Flat 1 Virtanen", "Flat 2 Kask",  "Flat 3 Tamm",   "Flat 4 Saar",
                              "Flat 5 Lepp",     "Flat 6 Mets",  "Flat 7 Rebane", "Cleaning service",
                              "Postman",         "Flat 8 Kuusk", "Fire brigade",  "Flat 9 Ilves"};
    for (int i = 0; i < tenants.size(); ++i)
        setKey(&frm.Store().SKeysTable(), i * 3 + 1,
               QStringLiteral("0%1C0FFEE%2").arg(i % 10).arg(i * 3 + 1, 3, 10, QLatin1Char('0')), tenants[i]);

    QTimer::singleShot(500, &app, [&] {
        auto* preview = qobject_cast<TrpPreviewFrm*>(QApplication::activeModalWidget());
        if (!preview)
            return;
        if (!pdf.isEmpty()) {
            auto pages = Part<TrpReport>(&frm, "KeyReport")->Pages();
            QString error;
            if (!pages->ExportPdf(pdf, pages->PageLayout(QPageSize(QPageSize::A4)), &error))
                qWarning("%s", qPrintable(error));
        }
        if (!picture.isEmpty() && !preview->grab().save(picture))
            qWarning("cannot write %s", qPrintable(picture));
        if (seconds > 0)
            QTimer::singleShot(seconds * 1000, preview, &QDialog::reject);
    });
    Action(&frm, "DPrintBDAct")->trigger();
    frm.Store().MKeysTable().Close();
    frm.Store().SKeysTable().Close();
    return 0;
}
