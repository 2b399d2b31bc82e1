// Opens the main window on a key list with keys and prints it, so that the print preview can be
// looked at (and photographed for the README). With a file name it also writes the report's pages
// there as an A4 PDF; with a number of seconds it closes the preview after that time.
//
//   vtrk-report-demo [pdf-file [seconds]]
#include "app/TMainFrm.h"
#include "dbf/TDbfField.h"
#include "dbf/TDbfTable.h"
#include "report/TrpPages.h"
#include "report/TrpReport.h"
#include "report/ui/TrpPreviewFrm.h"
#include "tests/support/TTestMessageBoxes.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

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
    const QString pdf = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int seconds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    QTemporaryDir temp;
    qputenv("TEMP", temp.path().toLocal8Bit());

    TMainFrm frm;
    frm.show();
    {
        TTestMessageBoxes quiet; // "New key list created" would wait for a click
        frm.DNewBDAct->trigger();
    }
    const QList<std::pair<QLineEdit*, QString>> fields{{frm.PrgVersionEdit, "TARVK001"},
                                                       {frm.CtrSerialEdit, "00-0417-2291"},
                                                       {frm.CtrInfoEdit, "Riverside 12, main entrance"},
                                                       {frm.MaxMKeyEdit, "8"},
                                                       {frm.MaxSKeyEdit, "128"},
                                                       {frm.KeyTypeEdit, "DS-1990A"},
                                                       {frm.MemoryEdit, "2"},
                                                       {frm.LockTimeEdit, "5"},
                                                       {frm.DoorSignalEdit, "30"},
                                                       {frm.DoorTypeEdit, "Reed contact"}};
    for (const auto& [edit, text] : fields)
        edit->setText(text);
    setKey(frm.MKeysTable, 0, "01A2B3C40D00", "Caretaker");
    setKey(frm.MKeysTable, 3, "01F00D5EED03", "Building owner");
    const QStringList tenants{"Flat 1 Virtanen", "Flat 2 Kask",  "Flat 3 Tamm",   "Flat 4 Saar",
                              "Flat 5 Lepp",     "Flat 6 Mets",  "Flat 7 Rebane", "Cleaning service",
                              "Postman",         "Flat 8 Kuusk", "Fire brigade",  "Flat 9 Ilves"};
    for (int i = 0; i < tenants.size(); ++i)
        setKey(frm.SKeysTable, i * 3 + 1,
               QStringLiteral("0%1C0FFEE%2").arg(i % 10).arg(i * 3 + 1, 3, 10, QLatin1Char('0')), tenants[i]);

    QTimer::singleShot(500, &app, [&] {
        auto* preview = qobject_cast<TrpPreviewFrm*>(QApplication::activeModalWidget());
        if (!preview)
            return;
        if (!pdf.isEmpty()) {
            auto pages = frm.KeyReport->Pages();
            QString error;
            if (!pages->ExportPdf(pdf, pages->PageLayout(QPageSize(QPageSize::A4)), &error))
                qWarning("%s", qPrintable(error));
        }
        if (seconds > 0)
            QTimer::singleShot(seconds * 1000, preview, &QDialog::reject);
    });
    frm.DPrintBDAct->trigger();
    frm.MKeysTable->Close();
    frm.SKeysTable->Close();
    return 0;
}
