// Key-list files read from their bytes: every file in the plain form gives exactly what the table
// engine gives, and every other one is left to the engine, which reads it or names its fault.
#include "dbf/TDbfEnv.h"
#include "sync/TKeyListBytes.h"
#include "sync/TKeyListFile.h"
#include "sync/TKeyTables.h"

#include <QtTest>

#include <functional>
#include <optional>

namespace {
// The file as the program writes it: 225 header bytes, then 137 records of 55 bytes (deletion
// flag, RECID 10, KEYID 5, KEYCODE 12, KEYTYPE 1, KEYSTATUS 1, KEYMEMO 25).
constexpr int HeaderLength = 225;
constexpr int RecordLength = 55;
constexpr int RecIdAt = 1;
constexpr int KeyIdAt = 11;
constexpr int KeyTypeAt = 28;
constexpr int StatusAt = 29;
constexpr int MemoAt = 30;
constexpr int SlaveRecord = 9; // the first slave record; the header record is 0

using TPatch = std::function<void(QByteArray&)>;

int at(int record, int field) {
    return HeaderLength + record * RecordLength + field;
}

TPatch put(int record, int field, const QByteArray& text) {
    return [=](QByteArray& bytes) { bytes.replace(at(record, field), text.size(), text); };
}

TKeyTables written() {
    TKeyTables t;
    t.serial = QStringLiteral("VT000417");
    t.info = QStringLiteral("T\u00fcr Hof");
    t.MarkAllEmpty();
    for (int slot = 0; slot < t.slave.SlotCount(); slot += 3) {
        TKeySlot key = t.slave.Slot(slot);
        key.active = true;
        key.keyCode = QStringLiteral("0100000000%1").arg(slot, 2, 16, QLatin1Char('0')).toUpper();
        key.memo =
            slot == 0 ? QStringLiteral("A note of all 25 letters.") : QStringLiteral("Flat %1").arg(slot);
        t.slave.SetSlot(slot, key);
    }
    TKeySlot master = t.master.Slot(7);
    master.active = true;
    master.keyCode = QStringLiteral("2BC5FB000000");
    master.memo = QStringLiteral("Hausmeister \u20ac");
    t.master.SetSlot(7, master);
    return t;
}

// Everything a slot carries, one line per slot, so that a difference names its slot.
QStringList described(const TKeyTables& t) {
    QStringList lines{t.serial, t.info, t.version};
    for (TKeyTransfer::Table table : TKeyTables::Tables) {
        const TMemoryKeyView& view = t.View(table);
        for (int slot = 0; slot < view.SlotCount(); ++slot) {
            const TKeySlot& k = view.Slot(slot);
            lines << QStringLiteral("%1 %2: known %3 active %4 [%5] [%6] rec %7 id %8/%9 %10")
                         .arg(view.KeyType())
                         .arg(slot)
                         .arg(view.IsKnown(slot))
                         .arg(k.active)
                         .arg(k.keyCode, k.memo)
                         .arg(k.recNo)
                         .arg(k.recId)
                         .arg(k.keyId)
                         .arg(k.keyType);
        }
    }
    return lines;
}

// What reading the file gives: its slots, or the reason it was refused.
QStringList readThrough(const std::function<TKeyTables()>& read) {
    try {
        return described(read());
    } catch (const std::exception& e) {
        return {QStringLiteral("refused: ") + QString::fromUtf8(e.what())};
    }
}
} // namespace

Q_DECLARE_METATYPE(TPatch)

class tst_TKeyListBytes : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    TDbfEnv env;

private slots:
    void shouldReadThePlainFormAsTheEngineAndLeaveAnyOtherToIt_data();
    void shouldReadThePlainFormAsTheEngineAndLeaveAnyOtherToIt();
};

void tst_TKeyListBytes::shouldReadThePlainFormAsTheEngineAndLeaveAnyOtherToIt_data() {
    QTest::addColumn<TPatch>("patch");
    QTest::addColumn<bool>("plain");
    const auto swap = [](int a, int b) {
        return [=](QByteArray& bytes) {
            const QByteArray first = bytes.mid(at(a, 0), RecordLength);
            bytes.replace(at(a, 0), RecordLength, bytes.mid(at(b, 0), RecordLength));
            bytes.replace(at(b, 0), RecordLength, first);
        };
    };
    QTest::newRow("as written") << TPatch([](QByteArray&) {}) << true;
    QTest::newRow("records out of RECID order") << TPatch(swap(SlaveRecord, SlaveRecord + 4)) << true;
    QTest::newRow("two records of one RECID") << put(SlaveRecord + 3, RecIdAt, "         1") << true;
    QTest::newRow("blank RECID, KEYID left aligned") << TPatch([](QByteArray& b) {
        put(SlaveRecord + 6, RecIdAt, "          ")(b);
        put(SlaveRecord + 6, KeyIdAt, "5    ")(b);
    }) << true;
    QTest::newRow("status y, ?, F with a code") << TPatch([](QByteArray& b) {
        put(SlaveRecord, StatusAt, "y")(b);
        put(SlaveRecord + 3, StatusAt, "?")(b);
        put(SlaveRecord + 6, StatusAt, "F")(b);
    }) << true;
    QTest::newRow("note in Windows-1252 padded with NULs")
        << put(SlaveRecord + 1, MemoAt, QByteArray("Caf\xe9 \x80 \x81", 9) + QByteArray(16, '\0')) << true;
    QTest::newRow("bytes after the records") << TPatch([](QByteArray& b) { b.append("junk"); }) << true;
    QTest::newRow("deleted record") << put(SlaveRecord + 3, 0, "*") << false;
    QTest::newRow("RECID not digits alone") << put(SlaveRecord, RecIdAt, "       1e2") << false;
    QTest::newRow("RECID beyond an integer") << put(SlaveRecord, RecIdAt, "9999999999") << false;
    QTest::newRow("negative KEYID") << put(SlaveRecord, KeyIdAt, "   -1") << false;
    QTest::newRow("key type in lower case") << put(1, KeyTypeAt, "m") << false;
    QTest::newRow("key record first") << put(0, KeyTypeAt, "S") << false;
    QTest::newRow("one slave record too many") << put(1, KeyTypeAt, "S") << false;
    QTest::newRow("dBASE with memo") << TPatch([](QByteArray& b) { b[0] = char(0x83); }) << false;
    QTest::newRow("field name in lower case")
        << TPatch([](QByteArray& b) { b.replace(32, 5, "recid"); }) << false;
    QTest::newRow("more records than the file holds")
        << TPatch([](QByteArray& b) { b[4] = char(138); }) << false;
    QTest::newRow("record count beyond any file")
        << TPatch([](QByteArray& b) { b[7] = char(0xFF); }) << false;
    QTest::newRow("truncated") << TPatch([](QByteArray& b) { b.chop(10); }) << false;
    QTest::newRow("empty") << TPatch([](QByteArray& b) { b.clear(); }) << false;
}

void tst_TKeyListBytes::shouldReadThePlainFormAsTheEngineAndLeaveAnyOtherToIt() {
    QFETCH(TPatch, patch);
    QFETCH(bool, plain);
    const QString path = dir.filePath(QStringLiteral("%1.dbf").arg(QTest::currentDataTag()));
    TKeyListFile::Write(written(), path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    QCOMPARE(bytes.size(), HeaderLength + 137 * RecordLength + 1);
    patch(bytes);
    QVERIFY(file.resize(0) && file.seek(0) && file.write(bytes) == bytes.size());
    file.close();

    const std::optional<TKeyTables> fromBytes = TKeyListBytes::Parse(bytes);
    QCOMPARE(fromBytes.has_value(), plain);
    QCOMPARE(TKeyListBytes::IsPlain(bytes), plain);
    // No bytes given: the engine reads the file.
    const QStringList engine = readThrough([&path] { return TKeyListFile::Read(path, QByteArray()); });
    if (fromBytes)
        QCOMPARE(described(*fromBytes), engine);
    QCOMPARE(readThrough([&path] { return TKeyListFile::Read(path); }), engine);
    if (QTest::currentDataTag() == QLatin1String("as written")) {
        QCOMPARE(fromBytes->info, written().info);
        QCOMPARE(fromBytes->master.Slot(7).memo, written().master.Slot(7).memo);
        QCOMPARE(fromBytes->slave.Slot(0).memo, written().slave.Slot(0).memo);
    }
}

QTEST_GUILESS_MAIN(tst_TKeyListBytes)
#include "tst_TKeyListBytes.moc"
