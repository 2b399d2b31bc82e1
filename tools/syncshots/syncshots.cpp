// syncshots <output directory>: starts the main window with the simulator on COM7, reads the
// controller information, opens a key list that was saved from another controller and differs
// from what the controller holds, compares, writes the changes, and opens the history. Each
// window is captured from the X screen with ImageMagick's import when it has shown.
#include "app/TAppForms.h"
#include "app/TMainFrm.h"
#include "keylist/TKeyListStore.h"
#include "report/ui/TrpPreviewFrm.h"
#include "seams/TPortChooser.h"
#include "seams/ui/TQtSeams.h"
#include "serial/TSerComPort.h"
#include "sync/TKeyListFile.h"
#include "sync/TKeyTables.h"
#include "tests/support/TWindowParts.h"
#include "tools/ctrlsim/TControllerSim.h"
#include "tools/ctrlsim/TPtyController.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {
class TFixedChooser : public TPortChooser {
public:
    int ChoosePort() override { return 7; }
};

TKeySlot key(const QString& code, const QString& memo) {
    TKeySlot k;
    k.active = true;
    k.keyCode = code;
    k.memo = memo;
    return k;
}

// The demonstration controller's keys as an installer's list of another unit, changed a little.
QString writeList(const QString& path) {
    TKeyTables list;
    list.serial = QStringLiteral("VT000399");
    list.info = QStringLiteral("Main entrance");
    list.MarkAllEmpty();
    list.master.SetSlot(0, key(QStringLiteral("01A2B3C4D5E6"), QStringLiteral("Installer")));
    list.master.SetSlot(1, key(QStringLiteral("01F00D000001"), QStringLiteral("Caretaker (new phone)")));
    list.slave.SetSlot(0, key(QStringLiteral("0100000012A4"), QStringLiteral("Flat 1")));
    list.slave.SetSlot(1, key(QStringLiteral("0100000012B7"), QStringLiteral("Flat 2")));
    list.slave.SetSlot(3, key(QStringLiteral("0100000012C1"), QStringLiteral("Flat 4")));
    list.slave.SetSlot(5, key(QStringLiteral("01000000C0DE"), QStringLiteral("Cleaning")));
    TKeyListFile::Write(list, path);
    return path;
}

void capture(const QWidget* window, const QString& path) {
    QProcess::execute(QStringLiteral("import"),
                      {QStringLiteral("-window"), QString::number(window->winId()), path});
    std::printf("%s\n", qPrintable(path));
}
} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: syncshots <output directory>\n");
        return 2;
    }
    QTemporaryDir data;
    qputenv("HOME", data.path().toLocal8Bit());
    qunsetenv("XDG_DATA_HOME");
    QApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    TQtSeams::install();
    TrpPreviewFrm::installAsStandard();
    TFixedChooser chooser;
    TPortChooser::setInstance(&chooser);

    TControllerSim sim;
    TPtyController line(sim);
    std::string error;
    if (!line.Start(error)) {
        std::fprintf(stderr, "syncshots: %s\n", error.c_str());
        return 1;
    }
    qputenv("VTRK_COM7", QByteArray::fromStdString(line.DevicePath()));

    TAppForms forms;
    forms.create();
    TMainFrm* main = forms.MainFrm;
    main->show();
    main->move(10, 10);

    // Answers whatever modal window comes up; the Differences and history windows are captured
    // first (the differences with every slot shown the second time).
    int differences = 0;
    QTimer watcher;
    watcher.setInterval(400);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            std::printf("box: %s\n", qPrintable(box->text().replace(QLatin1Char('\n'), QLatin1Char(' '))));
            box->accept();
            return;
        }
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (!dialog)
            return;
        dialog->move(40, 60);
        QApplication::processEvents();
        if (dialog->objectName() == QStringLiteral("DifferencesFrm")) {
            ++differences;
            capture(dialog, out.filePath(differences == 1 ? QStringLiteral("differences.png")
                                                          : QStringLiteral("write-changes.png")));
            dialog
                ->findChild<QPushButton*>(differences == 1 ? QStringLiteral("CancelBtn")
                                                           : QStringLiteral("WriteBtn"))
                ->click();
        } else if (dialog->objectName() == QStringLiteral("HistoryFrm")) {
            capture(dialog, out.filePath(QStringLiteral("controller-history.png")));
            dialog->reject();
        }
    });
    watcher.start();

    QTimer::singleShot(500, [&] {
        main->OpenControllerPort();
        TWindowParts::Action(main, "DGetInfoAct")->trigger();
        const QString list = writeList(QDir(data.path()).filePath(QStringLiteral("site.dbf")));
        const TKeyListStore::THeader header = main->Store().OpenUserFile(list);
        main->SetControllerFields(main->ControllerSerial(), header.info);
        TWindowParts::Action(main, "DCompareAct")->trigger();
        TWindowParts::Action(main, "DSyncAct")->trigger();
        TWindowParts::Action(main, "DHistoryAct")->trigger();
        // Leaving without the save prompt: the list is the demonstration's own.
        QApplication::exit(0);
    });
    const int result = QApplication::exec();
    main->Port().SetOpen(false);
    line.Stop();
    return result;
}
