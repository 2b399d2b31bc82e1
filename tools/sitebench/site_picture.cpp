// The README's picture of the Site window: a small demonstration site (four doors, a lost key
// revoked, one door not yet visited), the window shown and grabbed into a PNG file.
// Usage: sitepicture OUTPUT.png (under a display, e.g. xvfb-run)
#include "dbf/TDbfEnv.h"
#include "seams/TConsoleMessageBoxes.h"
#include "site/TSite.h"
#include "site/TSiteJournal.h"
#include "site/TSiteListWriter.h"
#include "site/TSiteRevoke.h"
#include "site/ui/TSiteFrm.h"
#include "sync/TKeyListFile.h"
#include "sync/TKeyTables.h"
#include "sync/TSnapshotStore.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {
const QString Lost = QStringLiteral("2BC5FB000000");

TKeyTables door(const QString& serial, int keys, bool holdsLost) {
    TKeyTables t;
    t.serial = serial;
    t.MarkAllEmpty();
    for (int slot = 0; slot < keys; ++slot) {
        TKeySlot key = t.slave.Slot(slot);
        key.active = true;
        key.keyCode = QStringLiteral("01000000%1")
                          .arg(slot * 37 + serial.right(1).toInt(), 4, 16, QLatin1Char('0'))
                          .toUpper();
        key.memo = QStringLiteral("Flat %1").arg(slot + 1);
        t.slave.SetSlot(slot, key);
    }
    if (holdsLost) {
        TKeySlot key = t.slave.Slot(keys);
        key.active = true;
        key.keyCode = Lost;
        key.memo = QStringLiteral("Ann (cleaning)");
        t.slave.SetSlot(keys, key);
    }
    return t;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QTemporaryDir dir;
    TDbfEnv env;
    TSnapshotStore history(dir.filePath(QStringLiteral("history")));
    const QDateTime visit = QDateTime::currentDateTimeUtc().addDays(-3);
    const char* const names[] = {"Main entrance", "Back door", "Garage", "Roof access"};
    QByteArray site = "[site]\nname = Harbour office\n";
    for (int n = 0; n < 4; ++n) {
        const QString serial = QStringLiteral("VT%1").arg(417 + n, 6, 10, QLatin1Char('0'));
        const QString list = QStringLiteral("door%1.dbf").arg(n + 1);
        const TKeyTables tables = door(serial, 5 + n, n != 2);
        TKeyListFile::Write(tables, dir.filePath(list));
        if (n != 3)
            history.Save(tables, TSnapshotStore::Kind::AfterWrite, visit.addSecs(600 * n));
        site += QStringLiteral("\n[door]\nserial = %1\nname = %2\nlocation = %3\nlist = %4\n")
                    .arg(serial, QString::fromLatin1(names[n]),
                         n < 2 ? QStringLiteral("Ground floor") : QStringLiteral("Level %1").arg(n), list)
                    .toUtf8();
    }
    QFile file(dir.filePath(TSiteFile::FileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(site) != site.size())
        return 1;
    file.close();
    const TSite loaded = TSite::Load(dir.path());
    QList<TSiteKeyChange> plan = TSiteRevoke::Plan(loaded, Lost);
    TSiteJournal journal(dir.path());
    TSiteListWriter::Apply(loaded, plan, journal);

    TConsoleMessageBoxes boxes;
    TSiteFrm frm(boxes, [](const QString&) {});
    frm.OpenSite(dir.path());
    frm.findChild<QLineEdit*>(QStringLiteral("SearchEdit"))->setText(QStringLiteral("01.2BC5FB000000"));
    frm.findChild<QPushButton*>(QStringLiteral("FindBtn"))->click();
    // As the main window shows it, where the round has a controller port to go through.
    frm.findChild<QPushButton*>(QStringLiteral("DoorRoundBtn"))->setEnabled(true);
    frm.show();
    QApplication::processEvents();
    return frm.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
