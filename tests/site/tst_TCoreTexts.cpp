// The core's texts in German: what a person reads (questions, status words, differences, port and
// file errors) follows the language, while every file the core writes stays byte for byte the same.
#include "controller/TControllerExchange.h"
#include "controller/TKeyTransfer.h"
#include "controller/TTransferReport.h"
#include "keylist/TKeyCsvWriter.h"
#include "keys/TKeyCode.h"
#include "onewire/TOwServerBus.h"
#include "seams/TRegularFile.h"
#include "serial/TSerErrors.h"
#include "settings/TLanguage.h"
#include "site/TSiteFile.h"
#include "site/TSiteJournal.h"
#include "site/TSiteStatus.h"
#include "sync/TControllerSync.h"
#include "sync/TDifferenceCsv.h"
#include "sync/TDifferenceTableModel.h"
#include "sync/TKeyComparison.h"
#include "sync/TKeyListFile.h"
#include "sync/TKeyTables.h"
#include "sync/TSnapshotStore.h"
#include "sync/TWriteWarnings.h"

#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
using Table = TKeyTransfer::Table;

TKeySlot key(bool active, const QString& code, const QString& memo) {
    TKeySlot k;
    k.active = active;
    k.keyCode = code;
    k.memo = memo;
    return k;
}

// A controller's tables with a master key, two slave keys (one deactivated) and notes with
// characters beyond ASCII.
TKeyTables heldTables() {
    TKeyTables tables;
    tables.serial = QStringLiteral("VT000417");
    tables.info = QStringLiteral("Tür Süd");
    tables.version = QStringLiteral("TARVK001");
    tables.MarkAllEmpty();
    tables.master.SetSlot(0, key(true, QStringLiteral("0123456789AB"), QStringLiteral("Hausmeister")));
    tables.slave.SetSlot(0, key(true, QStringLiteral("00000F1E2D3C"), QStringLiteral("Jörg")));
    tables.slave.SetSlot(4, key(false, QStringLiteral("00000A0B0C0D"), QStringLiteral("verloren")));
    return tables;
}

// What the list wants: the master key gone, a slave key changed.
TKeyTables wantedTables() {
    TKeyTables tables = heldTables();
    tables.master.SetSlot(0, tables.master.EmptySlot(0));
    tables.slave.SetSlot(0, key(true, QStringLiteral("00000F1E2D3D"), QStringLiteral("Jörg")));
    return tables;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Every file the core writes from the tables above, named by what it is.
QMap<QString, QByteArray> writtenFiles(const QString& folder) {
    QMap<QString, QByteArray> files;
    const TKeyTables held = heldTables();
    const QString list = QDir(folder).filePath(QStringLiteral("list.dbf"));
    TKeyListFile::Write(held, list);
    files[QStringLiteral("key list")] = fileBytes(list);

    const QDateTime when(QDate(2026, 3, 1), QTime(8, 30), Qt::UTC);
    const QString snapshot = TSnapshotStore(QDir(folder).filePath(QStringLiteral("history")))
                                 .Save(held, TSnapshotStore::Kind::AfterWrite, when);
    files[QStringLiteral("snapshot table")] = fileBytes(snapshot);
    files[QStringLiteral("snapshot description")] = fileBytes(snapshot.chopped(4) + QStringLiteral(".json"));

    TSiteJournal::TEntry entry;
    entry.time = when;
    entry.user = QStringLiteral("ann");
    entry.kind = QStringLiteral("list");
    entry.name = QStringLiteral("list.dbf");
    entry.number = 5;
    entry.before = TSiteJournal::SlotText(held.slave.Slot(4));
    entry.after = TSiteJournal::SlotText(held.slave.EmptySlot(4));
    files[QStringLiteral("journal line")] = entry.Line().toUtf8();
    files[QStringLiteral("journal CSV")] = TSiteJournal::Csv({entry}).toUtf8();

    TSiteFile site;
    site.siteName = QStringLiteral("Haus A");
    TSiteDoor door;
    door.serial = held.serial;
    door.name = QStringLiteral("Süd");
    door.list = QStringLiteral("list.dbf");
    site.doors.append(door);
    files[QStringLiteral("site file")] = site.Text();

    QVector<TKeySlot> records;
    for (int slot = 0; slot < held.slave.SlotCount(); ++slot)
        records.append(held.slave.Slot(slot));
    files[QStringLiteral("key CSV")] =
        TKeyCsvWriter::Write(records, {held.serial, held.info}, TKeyCsvWriter::TFormat::Spreadsheet);

    TDifferenceTableModel model;
    model.SetComparison(TKeyComparison(wantedTables(), held));
    files[QStringLiteral("differences CSV")] = TDifferenceCsv::Text(model);
    return files;
}

using TText = std::function<QString()>;
} // namespace

Q_DECLARE_METATYPE(TText)

class tst_TCoreTexts : public QObject {
    Q_OBJECT

private slots:
    void shouldSayWhatAPersonReadsInTheChosenLanguage_data() {
        QTest::addColumn<TText>("text");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");
        QTest::newRow("the question before a write that leaves no master key")
            << TText(
                   [] { return TWriteWarnings::Question(TWriteWarnings::Check(wantedTables(), true, true)); })
            << "Before writing to the controller:\rNo active master key would remain: the controller could "
               "no "
               "longer be programmed with a master key.\rDo you want to continue?"
            << "Vor dem Schreiben in die Steuerung:\rEs bliebe kein aktiver Stammschlüssel: die Steuerung "
               "könnte nicht mehr mit einem Stammschlüssel programmiert werden.\rMöchten Sie fortfahren?";
        QTest::newRow("a write refused for a slot never read")
            << TText([] {
                   TMemoryKeyView master(QStringLiteral("M"), 8);
                   for (int slot = 0; slot < 8; ++slot)
                       master.SetSlot(slot, master.EmptySlot(slot));
                   master.SetSlot(2, key(true, QStringLiteral("<UNREAD>"), QString()));
                   return TKeyTransfer::RefusalText(&master, nullptr);
               })
            << "Master key slot #3 was not read; read again.\rNothing has been written to the controller."
            << "Stammschlüssel-Platz #3 wurde nicht gelesen; lesen Sie erneut.\rEs wurde nichts in die "
               "Steuerung geschrieben.";
        QTest::newRow("a site's status word") << TText([] {
            TSiteStatus status;
            status.state = TSiteStatus::State::ChangesToWrite;
            status.changes = 3;
            return status.Text();
        }) << "3 changes to write"
                                              << "3 Änderungen zu schreiben";
        QTest::newRow("the differences of a comparison")
            << TText([] { return TKeyComparison(wantedTables(), heldTables()).CountsText(); })
            << "2 differences: 1 key removed, 1 code changed"
            << "2 Unterschiede: 1 Schlüssel entfernt, 1 Code geändert";
        QTest::newRow("a slot the synchronisation could not write")
            << TText([] { return TControllerSync::OutcomeText(TControllerSync::Outcome::ReadBackDiffers); })
            << "read back differently"
            << "anders zurückgelesen";
        QTest::newRow("a port that does not exist")
            << TText([] { return QString::fromStdString(TSerErrors::MessageText(TSerErrors::ecBadId)); })
            << "Specified comport doesn't exist"
            << "Der angegebene COM-Port existiert nicht";
        QTest::newRow("a controller that stopped answering")
            << TText([] {
                   TTransferReport report(TTransferReport::Direction::Write);
                   TKeyTransfer::Result result;
                   result.end = TKeyTransfer::Result::End::ControllerSilent;
                   result.firstNotTried = 4;
                   report.Add(Table::Slave, result);
                   return report.Text(7);
               })
            << "The controller does not answer on COM7.\rSlave keys from #4 on were not written.\rCheck the "
               "cable and repeat the command."
            << "Die Steuerung antwortet nicht an COM7.\rBenutzerschlüssel ab #4 wurden nicht geschrieben.\r"
               "Prüfen Sie das Kabel und wiederholen Sie den Befehl.";
        QTest::newRow("a typed key code")
            << TText([] { return TKeyCode::Read(QStringLiteral("01.2BC5")).error; })
            << "\"01.2BC5\" is not a key code: it has 6 hexadecimal digits, a key "
               "code has 12 and a key number 16"
            << "„01.2BC5“ ist kein Schlüsselcode: er hat 6 Hexadezimalziffern, ein "
               "Schlüsselcode hat 12 und eine Schlüsselnummer 16";
        QTest::newRow("a folder where a file belongs")
            << TText([] { return TRegularFile::Check(QDir::tempPath()); }) << "is a folder, not a file"
            << "ist ein Ordner, keine Datei";
        QTest::newRow("a missing 1-Wire server")
            << TText([] {
                   return TOwServerBus::NotAnswering(QStringLiteral("localhost:4304")).section('\r', 0, 0);
               })
            << "No 1-Wire server (owserver) answers at localhost:4304."
            << "Unter localhost:4304 antwortet kein 1-Wire-Server (owserver).";
    }
    void shouldSayWhatAPersonReadsInTheChosenLanguage() {
        QFETCH(TText, text);
        QFETCH(QString, english);
        QFETCH(QString, german);
        QCOMPARE(text(), english);
        {
            const TLanguage language(QStringLiteral("de"));
            QCOMPARE(text(), german);
        }
        QCOMPARE(text(), english);
    }

    // Scripts read these; only what a person reads beside them is translated.
    void shouldKeepTheNamesScriptsReadInEnglish() {
        const TLanguage language(QStringLiteral("de"));
        QCOMPARE(TSiteStatus::StateName(TSiteStatus::State::ChangesToWrite),
                 QStringLiteral("changes-to-write"));
        QCOMPARE(TKeyDifference::KindText(TKeyDifference::Kind::KeyAdded), QStringLiteral("key added"));
        QCOMPARE(TKeyDifference::KindShown(TKeyDifference::Kind::KeyAdded),
                 QStringLiteral("Schlüssel hinzugefügt"));
        QCOMPARE(TKeyTables::TableName(Table::Master), QStringLiteral("Master"));
        QCOMPARE(TKeyTables::TableShown(Table::Master), QStringLiteral("Stammschlüssel"));
    }

    void shouldWriteTheSameFilesInGermanAsInEnglish() {
        QTemporaryDir englishFolder, germanFolder;
        QVERIFY(englishFolder.isValid() && germanFolder.isValid());
        const QMap<QString, QByteArray> english = writtenFiles(englishFolder.path());
        QMap<QString, QByteArray> german;
        {
            const TLanguage language(QStringLiteral("de"));
            QVERIFY2(TKeyDifference::KindShown(TKeyDifference::Kind::KeyAdded) != QLatin1String("key added"),
                     "the German translation is not installed");
            german = writtenFiles(germanFolder.path());
        }
        QCOMPARE(german.keys(), english.keys());
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            QVERIFY2(it.value().size() > 20, qPrintable(it.key()));
            QVERIFY2(german.value(it.key()) == it.value(), qPrintable(it.key()));
        }
    }
};

QTEST_GUILESS_MAIN(tst_TCoreTexts)
#include "tst_TCoreTexts.moc"
