#include "dbf/EDbfError.h"
#include "keys/TWin1252.h"
#include "tests/keylist/TDbfBytes.h"
#include "tests/keylist/TFakeKeyListHost.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <stdexcept>

#include <sys/stat.h>

namespace {

QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
    return QString();
}

QStringList column(TDbfTable& view, const char* field) {
    QStringList texts;
    const int index = view.FieldByName(QString::fromLatin1(field))->Index();
    for (int row = 0; row < view.RowCount(); ++row)
        texts << view.RowText(row, index);
    return texts;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class tst_TKeyListStore : public QObject {
    Q_OBJECT
private slots:
    void shouldCreateANewListWithItsHeaderRecordAndEveryKeySlot() {
        TKeyListFixture f;
        f.newList();
        QCOMPARE(f.host.progressTotal, 100);
        QCOMPARE(f.host.serial, QStringLiteral("<unknown>"));
        QCOMPARE(f.host.info, QStringLiteral("<unknown>"));
        QCOMPARE(f.master.RecCount(), 137);
        QCOMPARE(f.master.RowCount(), 8);
        QCOMPARE(f.slave.RowCount(), 128);
        QStringList numbers;
        for (int n = 1; n <= 128; ++n)
            numbers << QString::number(n);
        QCOMPARE(column(f.master, "RECID"), numbers.mid(0, 8));
        QCOMPARE(column(f.slave, "RECID"), numbers);
        for (TDbfTable* view : {&f.master, &f.slave}) {
            QCOMPARE(column(*view, "KEYCODE"), QStringList(view->RowCount(), QStringLiteral("<EMPTY>")));
            QCOMPARE(column(*view, "KEYMEMO"), QStringList(view->RowCount(), QString()));
            QStringList states = column(*view, "KEYSTATUS");
            states.removeDuplicates();
            QCOMPARE(states.size(), 1);
            QVERIFY(!view->FieldByName(QStringLiteral("KEYSTATUS"))->AsBoolean());
        }

        const TDbfBytes file(f.store.WorkCopyPath());
        QVERIFY(file.ok);
        QCOMPARE(file.recordCount(), 137);
        QCOMPARE(file.recordLength(), 55);
        QCOMPARE(file.fieldNames(),
                 QStringList({"RECID", "KEYID", "KEYCODE", "KEYTYPE", "KEYSTATUS", "KEYMEMO"}));
        QCOMPARE(file.fieldTypes(), QByteArray("NNCCLC"));
        QCOMPARE(file.record(1), QByteArray(" " + QByteArray(15, ' ') + "<unknown>   " + " " + "F" +
                                            "<unknown>" + QByteArray(16, ' ')));
        QCOMPARE(file.record(2), QByteArray(" " + QByteArray(9, ' ') + "1" + QByteArray(4, ' ') + "0" +
                                            "<EMPTY>     " + "M" + "F" + QByteArray(25, ' ')));
        QCOMPARE(file.record(137), QByteArray(" " + QByteArray(7, ' ') + "128" + QByteArray(2, ' ') + "127" +
                                              "<EMPTY>     " + "S" + "F" + QByteArray(25, ' ')));
    }

    void shouldNeverShowOrReachTheHeaderRecord() {
        TKeyListFixture f;
        f.newList();
        for (TDbfTable* view : {&f.master, &f.slave}) {
            view->First();
            while (!view->Eof()) {
                QVERIFY(view->RecNo() != 1);
                view->Next();
            }
            view->Last();
            while (!view->Bof()) {
                QVERIFY(view->RecNo() != 1);
                view->Prior();
            }
        }
    }

    void shouldRebuildTheSixteenIndexFilesAtEveryOpen() {
        TKeyListFixture f;
        f.newList();
        QDir work(f.work.path());
        const QStringList names = TKeyListStore::IndexFileNames(true) + TKeyListStore::IndexFileNames(false);
        QCOMPARE(names.size(), 16);
        for (const QString& name : names) {
            QVERIFY2(work.exists(name), qPrintable(name));
            writeFile(work.filePath(name), "left over from another run");
        }
        f.store.OpenKeyList(f.store.WorkCopyPath());
        for (const QString& name : names) {
            QFile file(work.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(file.readAll() != "left over from another run", qPrintable(name));
        }
        QCOMPARE(column(f.slave, "RECID").mid(0, 3), QStringList({"1", "2", "3"}));
        QVERIFY(!QDir(QCoreApplication::applicationDirPath()).exists(QStringLiteral("MRecId1.ntx")));
    }

    void shouldTakeTheHeaderFirstEvenWhenKeysHaveRecordNumberZero() {
        TKeyListFixture f;
        f.newList();
        for (TDbfTable* view : {&f.master, &f.slave}) {
            view->First();
            view->Edit();
            view->FieldByName(QStringLiteral("RECID"))->SetAsInteger(0);
            view->Post();
        }
        const QString path = f.filePath("zero.dbf");
        f.store.Save(path, {QStringLiteral("SN-77"), QStringLiteral("Front door")});
        const TKeyListStore::THeader header = f.store.OpenUserFile(path);
        QCOMPARE(header.serial, QStringLiteral("SN-77"));
        QCOMPARE(header.info, QStringLiteral("Front door"));
        QCOMPARE(f.master.RowCount(), 8);
        QCOMPARE(column(f.master, "RECID").first(), QStringLiteral("0"));
    }

    void shouldGiveBackEveryByteAfterEditSaveAndOpen() {
        TKeyListFixture f;
        f.newList();
        QByteArray high;
        for (int b = 0x80; b < 0x80 + 25; ++b)
            high.append(char(b));
        TKeyListFixture::goRow(f.master, 2);
        TKeyListFixture::setKey(f.master, QStringLiteral("0123456789AB"), true, TWin1252::toUnicode(high));
        TKeyListFixture::goRow(f.slave, 127);
        high.clear();
        for (int b = 0xE0; b < 0xE0 + 25; ++b)
            high.append(char(b));
        TKeyListFixture::setKey(f.slave, QStringLiteral("FEDCBA987654"), false, TWin1252::toUnicode(high));
        const QString first = f.filePath("first.dbf");
        const QString second = f.filePath("second.dbf");
        f.store.Save(first, {QStringLiteral("S/N 1"), QStringLiteral("Info text")});
        f.store.OpenUserFile(first);
        f.store.Save(second, {QStringLiteral("S/N 1"), QStringLiteral("Info text")});
        const TDbfBytes a(first), b(second);
        QVERIFY(a.ok && b.ok);
        QCOMPARE(a.recordCount(), 137);
        QCOMPARE(b.records(), a.records());
        QCOMPARE(a.record(4).mid(1 + 10 + 5, 12), QByteArray("0123456789AB"));
        QCOMPARE(a.record(4).mid(55 - 25),
                 QByteArray::fromHex("808182838485868788898a8b8c8d8e8f90919293949596979"
                                     "8"));
        QCOMPARE(a.record(137).mid(55 - 25), high);
    }

    void shouldSaveAListAnotherDbaseReaderOpens() {
        const QString ogrinfo = QStandardPaths::findExecutable(QStringLiteral("ogrinfo"));
        if (ogrinfo.isEmpty())
            QSKIP("GDAL's ogrinfo is not installed");
        TKeyListFixture f;
        f.newList();
        TKeyListFixture::goRow(f.slave, 0);
        TKeyListFixture::setKey(f.slave, QStringLiteral("0123456789AB"), true, QStringLiteral("Front door"));
        const QString path = f.filePath("door.dbf");
        f.store.Save(path, {QStringLiteral("SN-5"), QStringLiteral("Office")});
        QProcess process;
        process.start(ogrinfo, {QStringLiteral("-ro"), QStringLiteral("-al"), path});
        QVERIFY(process.waitForFinished(30000));
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        QCOMPARE(process.exitCode(), 0);
        QVERIFY2(out.contains(QStringLiteral("Feature Count: 137")), qPrintable(out.left(2000)));
        for (const char* field :
             {"RECID: Integer64 (10.0)", "KEYID: Integer (5.0)", "KEYCODE: String (12.0)",
              "KEYTYPE: String (1.0)", "KEYSTATUS: String (1.0)", "KEYMEMO: String (25.0)"})
            QVERIFY2(out.contains(QString::fromLatin1(field)), qPrintable(out.left(1500)));
        QVERIFY(out.contains(QStringLiteral("KEYCODE (String) = 0123456789AB")));
        QVERIFY(out.contains(QStringLiteral("KEYMEMO (String) = Front door")));
        QVERIFY(out.contains(QStringLiteral("KEYCODE (String) = SN-5")));
    }

    void shouldCutAnInformationTextLongerThanItsField() {
        TKeyListFixture f;
        f.newList();
        const QString path = f.filePath("long.dbf");
        f.store.Save(path, {QStringLiteral("1234"), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345")});
        QCOMPARE(f.store.OpenUserFile(path).info, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"));
    }

    void shouldSaveWhateverTheSortOrderAndKeepTheCurrentRows() {
        TKeyListFixture f;
        f.newList();
        TKeyListFixture::goRow(f.master, 5);
        TKeyListFixture::setKey(f.master, QStringLiteral("00000000000A"), true, QStringLiteral("x"));
        f.store.SortBy(f.master, 1, true);
        f.store.SortBy(f.slave, 0, true);
        TKeyListFixture::goRow(f.slave, 10);
        const int masterRecNo = f.master.RecNo(), slaveRecNo = f.slave.RecNo();
        const QByteArray before = TDbfBytes(f.store.WorkCopyPath()).records().mid(55);
        const QString path = f.filePath("sorted.dbf");
        f.store.Save(path, {QStringLiteral("SN"), QStringLiteral("Info")});
        QCOMPARE(f.master.RecNo(), masterRecNo);
        QCOMPARE(f.slave.RecNo(), slaveRecNo);
        QVERIFY(f.master.Filtered());
        QCOMPARE(f.master.RowCount(), 8);
        const TDbfBytes saved(path);
        QCOMPARE(saved.records().mid(55), before);
        QVERIFY(saved.record(1).startsWith(QByteArray(16, ' ') + "SN          "));
    }

    void shouldRefuseASaveItCannotWriteAndLeaveTheTargetAlone() {
        TKeyListFixture f;
        f.newList();
        const QString target = f.filePath("locked.dbf");
        writeFile(target, "previous contents");
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner));
        QString error = errorOf([&] { f.store.Save(target, {"SN", "Info"}); });
        QVERIFY2(error.contains(target) && error.contains(QStringLiteral("Permission denied")),
                 qPrintable(error));
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("previous contents"));
        const QString folder = f.filePath("folder.dbf");
        QVERIFY(QDir().mkdir(folder));
        error = errorOf([&] { f.store.Save(folder, {"SN", "Info"}); });
        QVERIFY2(error.contains(folder) && error.contains(QStringLiteral("Is a directory")),
                 qPrintable(error));
        const QString missing = f.filePath("no/such/dir/list.dbf");
        error = errorOf([&] { f.store.Save(missing, {"SN", "Info"}); });
        QVERIFY2(error.contains(missing), qPrintable(error));
        QCOMPARE(QDir(f.files.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"locked.dbf"}));
        QCOMPARE(f.master.RowCount(), 8);
        QVERIFY(f.master.Filtered());
    }

    void shouldRefuseAFileThatIsNotAKeyList_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text file") << "text"
                                   << "too short for a dBASE header";
        QTest::newRow("longer text file") << "long text"
                                          << "is not that of a key list";
        QTest::newRow("truncated table") << "truncated"
                                         << "shorter than its header says (truncated)";
        QTest::newRow("missing field") << "fields"
                                       << "KEYMEMO is missing";
        QTest::newRow("wrong field type") << "type"
                                          << "KEYSTATUS is not of type L";
        QTest::newRow("no records") << "empty"
                                    << "it holds 0 records, not those of a key list";
        QTest::newRow("key first") << "noheader"
                                   << "not the header record";
        QTest::newRow("missing file") << "missing"
                                      << "No such file or directory";
        QTest::newRow("FIFO") << "fifo"
                              << "it is a named pipe, not a file";
        QTest::newRow("link to a FIFO") << "fifo link"
                                        << "it is a named pipe, not a file";
        QTest::newRow("2 GB of holes after the records") << "holes"
                                                         << "bytes more than its header says";
        QTest::newRow("a million two-byte records") << "tiny records"
                                                    << "is not that of a key list";
        QTest::newRow("slot records miscounted")
            << "miscounted"
            << "holds 9 master and 127 slave key records instead of 8 and 128";
    }
    void shouldRefuseAFileThatIsNotAKeyList() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        TKeyListFixture f;
        f.newList();
        TKeyListFixture::goRow(f.slave, 3);
        TKeyListFixture::setKey(f.slave, QStringLiteral("111111111111"), true, QStringLiteral("kept"));
        const QString good = f.filePath("good.dbf");
        f.store.Save(good, {"SN-1", "Kept info"});
        const QString bad = f.filePath("bad.dbf");
        if (kind == "text") {
            writeFile(bad, "RECID;KEYID;KEYCODE\n1;0;ABC\n");
        } else if (kind == "long text") {
            writeFile(bad, QByteArray("RECID;KEYID;KEYCODE;KEYTYPE;KEYSTATUS;KEYMEMO\n").repeated(50));
        } else if (kind == "truncated") {
            QFile file(good);
            QVERIFY(file.open(QIODevice::ReadOnly));
            writeFile(bad, file.read(400));
        } else if (kind == "fields" || kind == "type" || kind == "empty") {
            TDbfTable table;
            QVERIFY(table.CreateNew(bad, 1, 6));
            table.CreateField("RECID", "N", 10, 0);
            table.CreateField("KEYID", "N", 5, 0);
            table.CreateField("KEYCODE", "C", 12, 0);
            table.CreateField("KEYTYPE", "C", 1, 0);
            table.CreateField("KEYSTATUS", kind == "type" ? "C" : "L", 1, 0);
            table.CreateField(kind == "fields" ? "NOTE" : "KEYMEMO", "C", 25, 0);
            QVERIFY(table.CreateExec());
            if (kind != "empty") {
                table.SetTableName(bad);
                table.Open();
                for (int i = 0; i < 137; ++i)
                    table.InsertRecord({QVariant(), QVariant(), "x", QString(), QVariant(), "y"});
                table.Close();
            }
        } else if (kind == "noheader" || kind == "miscounted") {
            QFile::copy(good, bad);
            TDbfTable table;
            table.SetTableName(bad);
            table.Open();
            table.First();
            if (kind == "miscounted")
                table.Last();
            table.Edit();
            table.FieldByName("KEYTYPE")->SetAsString("M");
            table.Post();
            table.Close();
        } else if (kind.startsWith("fifo")) {
            const QString fifo = f.filePath("fifo.dbf");
            QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
            QVERIFY(kind == "fifo" ? QFile::rename(fifo, bad) : QFile::link(fifo, bad));
        } else if (kind == "holes") {
            // Holes take no disk space: the file is 2 GB long but uses a few kilobytes.
            QFile::copy(good, bad);
            QFile file(bad);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.resize(file.size() + (qint64(1) << 31)));
        } else if (kind == "tiny records") {
            QByteArray head(32, '\0');
            head[0] = 0x03;
            head[6] = 0x10; // 1 048 576 records
            head[8] = 65;
            head[10] = 2;
            QByteArray field(32, '\0');
            field.replace(0, 4, "NOTE");
            field[11] = 'C';
            field[16] = 1;
            writeFile(bad, head + field + "\x0D");
            QFile file(bad);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.resize(65 + 2 * (qint64(1) << 20)));
        }
        const QString opened = kind == "missing" ? f.filePath("missing.dbf") : bad;
        const QByteArray workBefore = TDbfBytes(f.store.WorkCopyPath()).data;
        const int slaveRecNo = f.slave.RecNo();
        const QString error = errorOf([&] { f.store.OpenUserFile(opened); });
        QVERIFY2(error.contains(opened) && error.contains(reason), qPrintable(error));
        QVERIFY(f.store.IsOpen());
        QCOMPARE(f.slave.RecNo(), slaveRecNo);
        QCOMPARE(TKeyListFixture::text(f.slave, "KEYMEMO"), QStringLiteral("kept"));
        QCOMPARE(TDbfBytes(f.store.WorkCopyPath()).data, workBefore);
        QCOMPARE(f.master.RowCount(), 8);
        QCOMPARE(f.slave.RowCount(), 128);
        // Nothing was copied beside the working copy.
        qint64 used = 0;
        for (const QFileInfo& file : QDir(f.work.path()).entryInfoList(QDir::Files | QDir::Hidden))
            used += file.size();
        QVERIFY2(used < 100000, qPrintable(QString::number(used)));
    }

    void shouldKeepTheCurrentKeyWhenTheOrderChanges_data() {
        QTest::addColumn<int>("columnIndex");
        QTest::addColumn<bool>("descending");
        for (int c = 0; c < 4; ++c) {
            QTest::addRow("column %d ascending", c) << c << false;
            QTest::addRow("column %d descending", c) << c << true;
        }
    }
    void shouldKeepTheCurrentKeyWhenTheOrderChanges() {
        QFETCH(int, columnIndex);
        QFETCH(bool, descending);
        TKeyListFixture f;
        f.newList();
        const QStringList codes = {"3AAAAAAAAAAA", "1AAAAAAAAAAA", "2AAAAAAAAAAA"};
        for (int row = 0; row < 3; ++row) {
            TKeyListFixture::goRow(f.slave, row);
            TKeyListFixture::setKey(f.slave, codes[row], row != 1, QStringLiteral("memo %1").arg(2 - row));
        }
        TKeyListFixture::goRow(f.slave, 2);
        const int recNo = f.slave.RecNo();
        f.store.SortBy(f.slave, columnIndex, descending);
        QCOMPARE(f.slave.RecNo(), recNo);
        QCOMPARE(TKeyListFixture::text(f.slave, "KEYCODE"), QStringLiteral("2AAAAAAAAAAA"));
        QCOMPARE(f.slave.RowCount(), 128);
        QStringList keys = column(f.slave, TKeyListStore::ColumnFields[columnIndex].toLatin1().constData());
        if (columnIndex == 0) {
            QStringList numbers;
            for (const QString& k : keys)
                numbers << k.rightJustified(3, '0');
            keys = numbers;
        }
        QStringList sorted = keys;
        std::sort(sorted.begin(), sorted.end());
        if (descending)
            std::reverse(sorted.begin(), sorted.end());
        QCOMPARE(keys, sorted);
    }

    void shouldFindADuplicateCodeInEitherViewWhateverTheOrder() {
        TKeyListFixture f;
        f.newList();
        TKeyListFixture::goRow(f.master, 6);
        TKeyListFixture::setKey(f.master, QStringLiteral("0123456789AB"), true, QString());
        const int holder = f.master.RecNo();
        TKeyListFixture::goRow(f.slave, 100);
        TKeyListFixture::setKey(f.slave, QStringLiteral("BBBBBBBBBBBB"), true, QString());
        const int slaveHolder = f.slave.RecNo();
        TKeyListFixture::goRow(f.slave, 101);
        TKeyListFixture::setKey(f.slave, QStringLiteral("ABC"), false, QString());
        for (int column = 0; column < 4; ++column) {
            f.store.SortBy(f.master, column, column % 2);
            f.store.SortBy(f.slave, column, !(column % 2));
            QCOMPARE(f.store.DuplicateHolder(QStringLiteral("0123456789AB"), 5), &f.master);
            QCOMPARE(f.store.DuplicateHolder(QStringLiteral("0123456789AB"), slaveHolder), &f.master);
            QCOMPARE(f.store.DuplicateHolder(QStringLiteral("BBBBBBBBBBBB"), holder), &f.slave);
            QCOMPARE(f.store.DuplicateHolder(QStringLiteral("0123456789AB"), holder), nullptr);
            QCOMPARE(f.store.DuplicateHolder(QStringLiteral("0123456789ab"), 5), nullptr);
            QCOMPARE(f.store.DuplicateHolder(QStringLiteral("0123456789A"), 5), nullptr);
            QCOMPARE(f.store.DuplicateHolder(QStringLiteral("ABC"), holder), &f.slave);
            QCOMPARE(f.store.DuplicateHolder(QStringLiteral("AB"), holder), nullptr);
        }
    }

    void shouldFindOnlyWholeCodeAndWholeNoteInAnyCase_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<bool>("inMaster");
        QTest::addColumn<bool>("inSlave");
        QTest::newRow("both whole") << "0A0A0A0A0A0A"
                                    << "Back door" << true << false;
        QTest::newRow("other case") << "0a0a0a0a0a0a"
                                    << "BACK DOOR" << true << false;
        QTest::newRow("code prefix") << "0A0A0A"
                                     << "Back door" << false << false;
        QTest::newRow("note prefix") << "0A0A0A0A0A0A"
                                     << "Back" << false << false;
        QTest::newRow("note left out") << "0A0A0A0A0A0A"
                                       << "" << false << false;
        QTest::newRow("blank note") << "CCCCCCCCCCCC"
                                    << "" << false << true;
        QTest::newRow("both empty") << ""
                                    << "" << false << false;
        QTest::newRow("empty slot") << "<empty>"
                                    << "" << true << true;
    }
    void shouldFindOnlyWholeCodeAndWholeNoteInAnyCase() {
        QFETCH(QString, code);
        QFETCH(QString, memo);
        QFETCH(bool, inMaster);
        QFETCH(bool, inSlave);
        TKeyListFixture f;
        f.newList();
        TKeyListFixture::goRow(f.master, 4);
        TKeyListFixture::setKey(f.master, QStringLiteral("0A0A0A0A0A0A"), true, QStringLiteral("Back door"));
        TKeyListFixture::goRow(f.slave, 50);
        TKeyListFixture::setKey(f.slave, QStringLiteral("CCCCCCCCCCCC"), true, QString());
        f.master.First();
        f.slave.First();
        for (TDbfTable* view : {&f.master, &f.slave}) {
            const int before = view->RecNo();
            const bool found = TKeyListStore::FindKey(*view, code, memo);
            QCOMPARE(found, view == &f.master ? inMaster : inSlave);
            if (found) {
                QCOMPARE(TKeyListFixture::text(*view, "KEYCODE").toUpper(), code.toUpper());
                QCOMPARE(TKeyListFixture::text(*view, "KEYMEMO").toUpper(), memo.toUpper());
            } else {
                QCOMPARE(view->RecNo(), before);
            }
        }
    }

    // Find upper-cases as the engine's UPPER() does, within the code page: ß, µ and ƒ stay.
    void shouldFindNotesTypedAsTheyAreStored_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::newRow("sharp s") << QString::fromUtf8("Weiß") << QString::fromUtf8("weiß");
        QTest::newRow("sharp s and digit") << QString::fromUtf8("Straße 5") << QString::fromUtf8("STRAßE 5");
        QTest::newRow("micro sign") << QString::fromUtf8("10 µs") << QString::fromUtf8("10 µS");
        QTest::newRow("florin and y diaeresis") << QString::fromUtf8("ƒ ÿ €") << QString::fromUtf8("ƒ Ÿ €");
    }
    void shouldFindNotesTypedAsTheyAreStored() {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        TKeyListFixture f;
        f.newList();
        TKeyListFixture::goRow(f.slave, 7);
        TKeyListFixture::setKey(f.slave, QStringLiteral("0123456789AB"), true, stored);
        const int recNo = f.slave.RecNo();
        f.slave.First();
        QVERIFY(TKeyListStore::FindKey(f.slave, QStringLiteral("0123456789ab"), typed));
        QCOMPARE(f.slave.RecNo(), recNo);
        QVERIFY(TKeyListStore::FindKey(f.slave, QStringLiteral("0123456789AB"), stored));
    }

    // Paths are file-system bytes: names the notes' code page cannot hold open, save and reopen.
    void shouldOpenSaveAndReopenUnderAnyName_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::newRow("umlaut name") << QString() << QString::fromUtf8("Tür1.dbf");
        QTest::newRow("Cyrillic name") << QString() << QString::fromUtf8("Ключи.dbf");
        QTest::newRow("all in a folder of such names")
            << QString::fromUtf8("Schlüssel € Ключи") << QString::fromUtf8("Tür € Ключи 2.dbf");
    }
    void shouldOpenSaveAndReopenUnderAnyName() {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        TKeyListFixture f;
        if (!folder.isEmpty())
            QVERIFY(QDir(f.files.path()).mkdir(folder));
        f.store.SetWorkDir(f.work.filePath(folder.isEmpty() ? QStringLiteral(".") : folder));
        QVERIFY(QDir().mkpath(f.store.WorkDir()));
        f.newList();
        TKeyListFixture::goRow(f.master, 2);
        TKeyListFixture::setKey(f.master, QStringLiteral("00000000ABCD"), true, QString::fromUtf8("Tür €5"));
        const QString path = QDir(f.files.path()).filePath(folder.isEmpty() ? name : folder + "/" + name);
        f.store.Save(path, {"SN-7", QString::fromUtf8("Büro")});
        QVERIFY(QFileInfo(path).isFile());
        QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({name}));
        const QString copy = QFileInfo(path).absolutePath() + "/" + QString::fromUtf8("Копия ") + name;
        f.store.Save(copy, {"SN-7", QString::fromUtf8("Büro")});
        for (const QString& file : {path, copy}) {
            const TKeyListStore::THeader header = f.store.OpenUserFile(file);
            QCOMPARE(header.info, QString::fromUtf8("Büro"));
            TKeyListFixture::goRow(f.master, 2);
            QCOMPARE(TKeyListFixture::text(f.master, "KEYMEMO"), QString::fromUtf8("Tür €5"));
        }
    }

    // Lists read by earlier versions numbered RECID from 0; opened, they count from 1 as a fresh
    // read does, so "#" and the slot the writes use agree. Any other numbering is the user's.
    void shouldNumberAListOfEarlierReadsFromOne_data() {
        QTest::addColumn<int>("first"); // RECID of the first slave record; the rest follow
        QTest::addColumn<int>("gapAt"); // a record whose RECID skips one, -1 for none
        QTest::addColumn<int>("shownFirst");
        QTest::newRow("from 0, as earlier reads") << 0 << -1 << 1;
        QTest::newRow("from 1") << 1 << -1 << 1;
        QTest::newRow("from 0 with a gap") << 0 << 40 << 0;
        QTest::newRow("from 5") << 5 << -1 << 5;
    }
    void shouldNumberAListOfEarlierReadsFromOne() {
        QFETCH(int, first);
        QFETCH(int, gapAt);
        QFETCH(int, shownFirst);
        TKeyListFixture f;
        f.newList();
        const int recIdIndex = f.slave.FieldByName(QStringLiteral("RECID"))->Index();
        QList<int> recNos; // in slot order; edits below may reorder the rows
        for (int row = 0; row < f.slave.RowCount(); ++row)
            recNos.append(f.slave.RowRecNo(row));
        for (int slot = 0; slot < recNos.size(); ++slot) {
            f.slave.SetRecNo(recNos[slot]);
            f.slave.Edit();
            f.slave.FieldByName(QStringLiteral("RECID"))
                ->SetAsInteger(first + slot + (gapAt >= 0 && slot >= gapAt));
            f.slave.Post();
        }
        f.slave.SetRecNo(recNos[9]);
        TKeyListFixture::setKey(f.slave, QStringLiteral("00000000ABCD"), true, QStringLiteral("Flat 9"));
        const QString path = QDir(f.files.path()).filePath(QStringLiteral("earlier.dbf"));
        f.store.Save(path, {"VT000417", "Main entrance"});
        f.store.OpenUserFile(path);
        QList<std::pair<int, int>> rows; // RECID, row
        for (int row = 0; row < f.slave.RowCount(); ++row)
            rows.append({f.slave.RowValue(row, recIdIndex).toInt(), row});
        std::sort(rows.begin(), rows.end());
        QCOMPARE(rows.size(), 128);
        QCOMPARE(rows.first().first, shownFirst);
        // The key stays in its slot: the tenth by RECID.
        TKeyListFixture::goRow(f.slave, rows[9].second);
        QCOMPARE(TKeyListFixture::text(f.slave, "KEYMEMO"), QStringLiteral("Flat 9"));
    }

    // Whatever the source's mode, the working copy is the user's own writable file.
    void shouldOpenAReadOnlyListIntoAWritableCopy() {
        TKeyListFixture f;
        f.newList();
        const QString path = f.filePath("readonly.dbf");
        f.store.Save(path, {"SN-RO", "Read only"});
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QCOMPARE(f.store.OpenUserFile(path).serial, QStringLiteral("SN-RO"));
        QCOMPARE(QFileInfo(f.store.WorkCopyPath()).permissions(),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        TKeyListFixture::goRow(f.slave, 0);
        TKeyListFixture::setKey(f.slave, QStringLiteral("0000000000AA"), true, QStringLiteral("edited"));
        QCOMPARE(TKeyListFixture::text(f.slave, "KEYMEMO"), QStringLiteral("edited"));
    }

    // The working directory is deleted at exit and its files are the views': never a save target.
    void shouldRefuseToSaveIntoTheWorkingDirectory_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("the working copy itself") << "work copy";
        QTest::newRow("a new name there") << "new name";
        QTest::newRow("through a linked folder") << "linked folder";
    }
    void shouldRefuseToSaveIntoTheWorkingDirectory() {
        QFETCH(QString, how);
        TKeyListFixture f;
        f.newList();
        TKeyListFixture::goRow(f.master, 0);
        TKeyListFixture::setKey(f.master, QStringLiteral("0000000000BB"), true, QStringLiteral("keep me"));
        QString target = f.store.WorkCopyPath();
        if (how == "new name")
            target = f.work.filePath("mine.dbf");
        if (how == "linked folder") {
            QVERIFY(QFile::link(f.work.path(), f.filePath("link")));
            target = f.filePath("link/tmp01.dbf");
        }
        const QByteArray before = TDbfBytes(f.store.WorkCopyPath()).records();
        const QString error = errorOf([&] { f.store.Save(target, {"SN", "Info"}); });
        QVERIFY2(error.contains(QFileInfo(target).fileName()) && error.contains("working directory"),
                 qPrintable(error));
        QVERIFY(!QFile::exists(f.work.filePath("mine.dbf")));
        QCOMPARE(TDbfBytes(f.store.WorkCopyPath()).records().mid(55), before.mid(55));
        QVERIFY(f.store.IsOpen());
        TKeyListFixture::goRow(f.master, 0);
        QCOMPARE(TKeyListFixture::text(f.master, "KEYMEMO"), QStringLiteral("keep me"));
    }

    void shouldEmptyADeactivatedKey() {
        TKeyListFixture f;
        f.newList();
        TKeyListFixture::goRow(f.slave, 9);
        TKeyListFixture::setKey(f.slave, QStringLiteral("ABABABABABAB"), true, QStringLiteral("Guest"));
        f.commands.Reset();
        TKeyListStore::Deactivate(f.slave);
        QCOMPARE(TKeyListFixture::text(f.slave, "KEYCODE"), QStringLiteral("<EMPTY>"));
        QVERIFY(!f.slave.FieldByName("KEYSTATUS")->AsBoolean());
        QCOMPARE(TKeyListFixture::text(f.slave, "KEYMEMO"), QString());
        QCOMPARE(f.slave.State(), dsBrowse);
        QVERIFY(f.commands.KeyListModified());
    }

    void shouldReportCannotCreateWithoutTheWorkingDirectory_data() {
        QTest::addColumn<QString>("dir");
        QTest::newRow("missing") << "gone";
        QTest::newRow("none") << "";
    }
    void shouldReportCannotCreateWithoutTheWorkingDirectory() {
        QFETCH(QString, dir);
        TKeyListFixture f;
        f.store.SetWorkDir(dir.isEmpty() ? QString() : f.work.filePath(dir));
        QCOMPARE(f.store.CreateKeyList(), TKeyListStore::TCreateResult::CannotCreate);
        QVERIFY(!f.master.Active());
        QVERIFY(!f.host.progressShown);
        QVERIFY(!QFile::exists(TKeyListStore::WorkCopyName));
    }
};

QTEST_MAIN(tst_TKeyListStore)
#include "tst_TKeyListStore.moc"
