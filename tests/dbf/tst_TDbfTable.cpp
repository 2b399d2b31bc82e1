#include "dbf/EDbfError.h"
#include "dbf/TDbfEnv.h"
#include "dbf/TDbfTable.h"
#include "tests/keylist/KeyListFixture.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using KeyListFixture::fileBytes;

namespace {
constexpr int headerSize = 32 + 6 * 32 + 1;
constexpr int recordSize = 55;

// Offset of record n (from 1) in the file.
int recordAt(int n) {
    return headerSize + (n - 1) * recordSize;
}

#define EXPECT_DBF_ERROR(statement, message)                                                                 \
    do {                                                                                                     \
        bool raised = false;                                                                                 \
        try {                                                                                                \
            statement;                                                                                       \
        } catch (const EDbfError& e) {                                                                       \
            raised = true;                                                                                   \
            QCOMPARE(e.Message(), QString(message));                                                         \
        }                                                                                                    \
        QVERIFY2(raised, "no EDbfError raised");                                                             \
    } while (false)

QList<int> walk(TDbfTable& t, const char* field = "RECID") {
    QList<int> seen;
    t.First();
    while (!t.Eof() && seen.size() < 1000) {
        seen << t.FieldByName(field)->AsInteger();
        t.Next();
    }
    return seen;
}
} // namespace

class tst_TDbfTable : public QObject {
    Q_OBJECT

    TDbfEnv* env = nullptr;
    QTemporaryDir dir;
    QString path;
    TDbfTable* master = nullptr;
    TDbfTable* slave = nullptr;

    void openViews() {
        master->SetTableName(path);
        master->SetTableType(ttDBNDX);
        master->Open();
        slave->SetTableName(path);
        slave->SetTableType(ttDBNDX);
        slave->Open();
    }

    void buildIndexes(TDbfTable* view, const QString& prefix, int* ascending, int* descending) {
        *ascending = view->Index(dir.filePath(prefix + "RecId1.ntx"), "RECID", 0, false);
        *descending = view->Index(dir.filePath(prefix + "RecId2.ntx"), "RECID", 0, true);
        view->Index(dir.filePath(prefix + "Code1.ntx"), "KEYCODE", 0, false);
        view->Index(dir.filePath(prefix + "Code2.ntx"), "KEYCODE", 0, true);
    }

private slots:
    void initTestCase() {
        env = new TDbfEnv(this);
        env->SetApplyTo(atLocal);
        env->SetExact(true);
        QVERIFY(dir.isValid());
    }

    void init() {
        path = dir.filePath("tmp01.dbf");
        master = new TDbfTable(this);
        master->setObjectName("MKeysTable");
        slave = new TDbfTable(this);
        slave->setObjectName("SKeysTable");
        KeyListFixture::create(*master, path);
    }

    void cleanup() {
        delete master;
        delete slave;
        master = slave = nullptr;
    }

    void shouldStoreKeyListRecordImagesByteExact() {
        const QByteArray b = fileBytes(path);
        QCOMPARE(b.size(), headerSize + 137 * recordSize + 1);
        QCOMPARE(b.mid(recordAt(1), recordSize), QByteArray(" ") + QByteArray(15, ' ') + "<unknown>   " +
                                                     " " + "F" + "<unknown>" + QByteArray(16, ' '));
        // Slave slot 126: RECID 127 as seven blanks and "127".
        QCOMPARE(b.mid(recordAt(10 + 126), recordSize),
                 QByteArray(" ") + "       127" + "  126" + "<EMPTY>     " + "S" + "F" + QByteArray(25, ' '));
        master->SetTableName(path);
        master->Open();
        master->SetRecNo(2);
        master->Edit();
        master->FieldByName("KEYSTATUS")->SetAsBoolean(true);
        master->FieldByName("KEYCODE")->SetAsString("0123456789ABCDEF"); // cut to 12
        master->Post();
        const QByteArray after = fileBytes(path).mid(recordAt(2), recordSize);
        QCOMPARE(after,
                 QByteArray(" ") + "         1" + "    0" + "0123456789AB" + "M" + "T" + QByteArray(25, ' '));
        // Notes are Windows-1252, unassigned bytes included, byte for byte.
        const QString note = QString(QChar(0x81)) + QString::fromUtf8("€ä") + QChar(0x9D);
        master->Edit();
        master->FieldByName("KEYMEMO")->SetAsString(note);
        master->Post();
        QCOMPARE(fileBytes(path).mid(recordAt(2) + 30, 5), QByteArray("\x81\x80\xE4\x9D "));
        master->Close();
        master->Open();
        master->SetRecNo(2);
        QCOMPARE(master->FieldByName("KEYMEMO")->AsString(), note);
    }

    void shouldRefuseNumbersWiderThanTheirField() {
        master->SetTableName(path);
        master->Open();
        master->SetRecNo(3);
        const QByteArray before = fileBytes(path);
        master->Edit();
        master->FieldByName("KEYID")->SetAsInteger(123456);
        EXPECT_DBF_ERROR(master->Post(), "Translate error. Value out of bounds");
        QCOMPARE(master->LastError(), QString("Translate error. Value out of bounds"));
        QCOMPARE(master->State(), dsEdit);
        master->Cancel();
        EXPECT_DBF_ERROR(master->InsertRecord({12345678901.0, 1, "X", "M", true, ""}),
                         "Translate error. Value out of bounds");
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(master->RecCount(), 137);
    }

    void shouldRaiseOpenErrors() {
        TDbfTable t;
        t.setObjectName("MKeysTable");
        EXPECT_DBF_ERROR(t.Open(), "MKeysTable : Missing TableName property");
        t.SetTableName(dir.filePath("missing"));
        EXPECT_DBF_ERROR(t.Open(), "Table does not exist.\rFile or directory does not exist.\rFile: " +
                                       dir.filePath("missing") + ".DBF");
        QFile junk(dir.filePath("junk.dbf"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a table");
        junk.close();
        t.SetTableName(dir.filePath("junk.dbf"));
        // The engine's reason follows on its own line.
        const QString refused =
            "Unable to open table: " + dir.filePath("junk.dbf") + "\rfile too short for a dBASE header";
        EXPECT_DBF_ERROR(t.Open(), refused);
        QVERIFY(!t.Active());
        QCOMPARE(t.LastError(), refused);
    }

    void shouldOpenTwoViewsOnOneFileUnderTheirOwnAliases() {
        openViews();
        QCOMPARE(master->Alias(), QString("TMP__"));
        QCOMPARE(slave->Alias(), QString("TMP__1"));
        QCOMPARE(master->RecCount(), 137);
        QCOMPARE(slave->RecCount(), 137);
        EXPECT_DBF_ERROR(master->SetTableName(dir.filePath("other.dbf")),
                         "Cannot perform this operation on an open table");
        QCOMPARE(master->TableName(), path);
    }

    void shouldFilterViewsThroughTheEngine() {
        openViews();
        QSignalSpy changed(master, &TDbfTable::DataSetChanged);
        master->SetFilter("KeyType ='M'");
        master->SetFiltered(true);
        slave->SetFilter("KeyType ='S'");
        slave->SetFiltered(true);
        QVERIFY(changed.count() >= 1);
        QCOMPARE(master->RowCount(), 8);
        QCOMPARE(slave->RowCount(), 128);
        QCOMPARE(master->ViewRecCount(), 8);
        QCOMPARE(master->RecCount(), 137);
        QCOMPARE(walk(*master), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        EXPECT_DBF_ERROR(master->SetFilter("KEYCODE"), "Invalid Query Expression");
        QCOMPARE(master->Filter(), QString("KeyType ='M'"));
        QCOMPARE(master->RowCount(), 8);
        // The filter outlives a close.
        master->Close();
        master->Open();
        QCOMPARE(master->RowCount(), 8);
    }

    void shouldReapplyTheQueryOnRefresh() {
        openViews();
        master->SetFilter("(KeyType ='M') and (KEYCODE <> '<EMPTY>')");
        master->SetFiltered(true);
        QCOMPARE(master->RowCount(), 0);
        QVERIFY(master->IsEmpty());
        slave->SetRecNo(4);
        slave->Edit();
        slave->FieldByName("KEYCODE")->SetAsString("AAAAAAAAAAAA");
        slave->Post();
        master->Refresh();
        QCOMPARE(master->RowCount(), 1);
        master->First();
        QCOMPARE(master->RecNo(), 4);
        master->SetFilter("(KeyType ='M')");
        master->Refresh();
        QCOMPARE(master->RowCount(), 8);
    }

    void shouldOrderWithHeaderFirstAndReturnToRecordByNumber() {
        openViews();
        // As after a read from the controller: slot 0 carries RECID 0.
        master->SetRecNo(2);
        master->Edit();
        master->FieldByName("RECID")->SetAsInteger(0);
        master->Post();
        int ascending = 0, descending = 0;
        buildIndexes(master, "M", &ascending, &descending);
        QCOMPARE(ascending, 1);
        QCOMPARE(descending, 2);
        master->SetOrder(ascending);
        master->First();
        QCOMPARE(master->RecNo(), 1); // the header record (RECID blank, as 0) before record 2
        master->Next();
        QCOMPARE(master->RecNo(), 2);
        master->SetFilter("KeyType ='M'");
        master->SetFiltered(true);
        master->SetOrder(descending);
        QCOMPARE(walk(*master), (QList<int>{8, 7, 6, 5, 4, 3, 2, 0}));
        master->SetRecNo(5);
        const int remembered = master->RecNo();
        master->SetOrder(ascending);
        master->SetRecNo(remembered);
        QCOMPARE(master->RecNo(), 5);
        QCOMPARE(master->FieldByName("RECID")->AsInteger(), 4);
        QCOMPARE(master->CurrentRow(), 3);
        master->CloseIndexes();
        QCOMPARE(master->IndexName(), QString());
        QCOMPARE(walk(*master), (QList<int>{0, 2, 3, 4, 5, 6, 7, 8}));
    }

    void shouldInsertAtTheEndWhateverTheOrder() {
        openViews();
        int ascending = 0, descending = 0;
        buildIndexes(master, "M", &ascending, &descending);
        master->SetOrder(descending);
        master->First();
        master->InsertRecord({99, 98, "<EMPTY>", "M", false, "new"});
        QCOMPARE(master->RecNo(), 138);
        QCOMPARE(master->RecCount(), 138);
        QCOMPARE(fileBytes(path).mid(recordAt(138) + 1, 10), QByteArray("        99"));
        QCOMPARE(slave->RecCount(), 138);
    }

    void shouldRaiseIndexAndOrderErrors() {
        EXPECT_DBF_ERROR(master->SetOrder(1), "Cannot perform this operation on a closed table");
        EXPECT_DBF_ERROR(master->Index(dir.filePath("x.ntx"), "RECID", 0, false),
                         "Cannot perform this operation on a closed table");
        master->SetTableName(path);
        master->Open();
        EXPECT_DBF_ERROR(master->Index("", "RECID", 0, false),
                         "Missing Parameter to Index Method: Index File Name");
        EXPECT_DBF_ERROR(master->Index(" ", "RECID", 0, false),
                         "Missing Parameter to Index Method: Index File Name");
        EXPECT_DBF_ERROR(master->Index(dir.filePath("x.ntx"), " ", 0, false),
                         "Missing Parameter to Index or IndexTag Method: Index Expression");
        EXPECT_DBF_ERROR(master->Index(dir.filePath("x.ntx"), "NOSUCH", 0, false),
                         "Invalid index expression [NOSUCH]");
        QVERIFY(!QFile::exists(dir.filePath("x.ntx")));
    }

    void shouldLocateThroughIndexAndCondition_data() {
        QTest::addColumn<bool>("withIndex");
        QTest::newRow("index shortcut") << true;
        QTest::newRow("condition") << false;
    }

    void shouldLocateThroughIndexAndCondition() {
        QFETCH(bool, withIndex);
        QVERIFY(!master->Locate("KEYCODE", "<EMPTY>", {})); // closed: false, nothing raised
        openViews();
        slave->SetFilter("KeyType ='S'");
        slave->SetFiltered(true);
        slave->SetRecNo(20);
        slave->Edit();
        slave->FieldByName("KEYCODE")->SetAsString("0A0B0C0D0E0F");
        slave->FieldByName("KEYMEMO")->SetAsString("Front Door");
        slave->Post();
        master->SetFilter("KeyType ='M'");
        master->SetFiltered(true);
        master->SetRecNo(3);
        master->Edit();
        master->FieldByName("KEYCODE")->SetAsString("0A0B0C0D0E");
        master->Post();
        if (withIndex) {
            int a = 0, d = 0;
            buildIndexes(slave, "S", &a, &d);
            buildIndexes(master, "M", &a, &d);
            slave->SetOrder(a);
            master->SetOrder(a);
        }
        slave->SetRecNo(15);
        QVERIFY(slave->Locate("KEYCODE", "0A0B0C0D0E0F", {}));
        QCOMPARE(slave->RecNo(), 20);
        slave->SetRecNo(15);
        QVERIFY(!slave->Locate("KEYCODE", "0A0B0C0D0E", {})); // a prefix is not the code
        QCOMPARE(slave->RecNo(), 15);
        QVERIFY(!slave->Locate("KEYCODE", "0a0b0c0d0e0f", {}));
        // Only records the view shows are found: the master record is not a slave's.
        QVERIFY(!slave->Locate("KEYCODE", "0A0B0C0D0E", {loPartialKey}));
        QVERIFY(master->Locate("KEYCODE", "0A0B0C0D0E", {loPartialKey}));
        QCOMPARE(master->RecNo(), 3);
        // The Find dialog's search: both whole values, any case.
        QVERIFY(slave->Locate("KEYCODE;KEYMEMO", QVariantList{"0a0b0c0d0e0f", "front door"},
                              {loCaseInsensitive, loPartialKey}));
        QCOMPARE(slave->RecNo(), 20);
        slave->SetRecNo(15);
        QVERIFY(!slave->Locate("KEYCODE;KEYMEMO", QVariantList{"0a0b0c0d0e0f", "front"},
                               {loCaseInsensitive, loPartialKey}));
        QVERIFY(!slave->Locate("KEYCODE;KEYMEMO", QVariantList{"", ""}, {loCaseInsensitive, loPartialKey}));
        QCOMPARE(slave->RecNo(), 15);
        QVERIFY(
            slave->Locate("KEYCODE;KEYMEMO", QVariantList{"<empty>", ""}, {loCaseInsensitive, loPartialKey}));
        QVERIFY(slave->Locate("KEYMEMO", QString("Say \"hi\""), {}) ==
                false); // a quote in the value is no failure
        QVERIFY(slave->Locate("RECID", 20, {}));
        QCOMPARE(slave->RecNo(), 29);
        QCOMPARE(slave->RowCount(), 128); // the view's own query is back

        // Every holder of a code, for the duplicate check, without moving.
        slave->SetRecNo(12);
        slave->Edit();
        slave->FieldByName("KEYCODE")->SetAsString("0A0B0C0D0E0F");
        slave->SetRecNo(15); // stores the edit
        QCOMPARE(slave->LocateAll("KEYCODE", "0A0B0C0D0E0F", {}), (QVector<int>{12, 20}));
        QCOMPARE(slave->RecNo(), 15);
        QCOMPARE(master->LocateAll("KEYCODE", "0A0B0C0D0E0F", {}), QVector<int>());
        QCOMPARE(slave->RowCount(), 128);
    }

    void shouldStoreAnEditOnNextAndDropAnUnchangedOne() {
        openViews();
        master->SetFilter("KeyType ='M'");
        master->SetFiltered(true);
        master->First();
        QSignalSpy edits(master, &TDbfTable::AfterEdit);
        master->Edit();
        QCOMPARE(edits.count(), 1);
        master->FieldByName("KEYMEMO")->SetAsString("stored by Next");
        master->Next();
        QCOMPARE(master->State(), dsBrowse);
        QCOMPARE(fileBytes(path).mid(recordAt(2) + 30, 14), QByteArray("stored by Next"));
        const QByteArray before = fileBytes(path);
        master->Edit();
        master->Next();
        QCOMPARE(fileBytes(path), before);
        EXPECT_DBF_ERROR(master->FieldByName("KEYMEMO")->SetAsString("x"),
                         "Dataset not in edit or insert mode");
    }

    void shouldSeeThePostOfTheOtherView() {
        openViews();
        QSignalSpy changed(slave, &TDbfTable::RecordChanged);
        slave->SetRecNo(1);
        master->SetRecNo(1);
        master->Edit();
        master->FieldByName("KEYCODE")->SetAsString("SERIAL-0042");
        master->Post();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 1);
        QCOMPARE(slave->FieldByName("KEYCODE")->AsString(), QString("SERIAL-0042"));
        // An edit holds the record lock against the other view.
        master->Edit();
        EXPECT_DBF_ERROR(slave->Edit(), "Record Lock Failure. May be locked by another user or task.");
        master->Cancel();
        slave->Edit();
        QCOMPARE(slave->State(), dsEdit);
        slave->Cancel();
    }

    void shouldCopyTheWholeTable() {
        openViews();
        master->SetFilter("KeyType ='M'");
        master->SetFiltered(true);
        const QString target = dir.filePath("saved.dbf");
        master->SetFiltered(false);
        QCOMPARE(master->CopyFile(target), 1);
        QCOMPARE(fileBytes(target).mid(4), fileBytes(path).mid(4));
        TDbfTable closed;
        QCOMPARE(closed.CopyFile(target), 0);
    }

    void shouldValidateCreateField() {
        TDbfTable t;
        EXPECT_DBF_ERROR(t.CreateField("A", "C", 1, 0), "Must call CreateNew before CreateField");
        EXPECT_DBF_ERROR(t.CreateExec(), "Must call CreateNew before CreateExec");
        QVERIFY(t.CreateNew(dir.filePath("fields.dbf"), 1, 2));
        EXPECT_DBF_ERROR(t.CreateField("1ST", "C", 1, 0),
                         "Invalid field name. Field names must begin with a letter");
        EXPECT_DBF_ERROR(t.CreateField("", "C", 1, 0),
                         "Invalid field name. Field names must begin with a letter");
        EXPECT_DBF_ERROR(t.CreateField("_A", "C", 1, 0),
                         "Invalid field name. Field names must begin with a letter");
        EXPECT_DBF_ERROR(t.CreateField("A", "", 1, 0), "Invalid field type");
        EXPECT_DBF_ERROR(t.CreateField("A", "C", 0, 0), "Invalid field length.");
        EXPECT_DBF_ERROR(t.CreateField("A", "C", -3, 0), "Invalid field length.");
        t.CreateField("A", "C", 4, 0);
        t.CreateField("b", "N", 6, 2);
        QVERIFY(t.CreateExec());
        t.SetTableName(dir.filePath("fields.dbf"));
        t.Open();
        QCOMPARE(t.FieldCount(), 2);
        QCOMPARE(t.Fields(1)->Kind(), TDbfFieldKind::Float);
        QCOMPARE(t.Fields(1)->DisplayFormat(), QString("0.00"));
        t.InsertRecord({"abcdef", 3.14159});
        QCOMPARE(t.FieldByName("A")->AsString(), QString("abcd"));
        QCOMPARE(t.FieldByName("B")->DisplayText(), QString("3.14"));
        QVERIFY(!TDbfTable().CreateNew(dir.filePath("no/such/dir.dbf"), 1, 1));
    }

    void shouldFollowChangesForModels() {
        openViews();
        master->SetFilter("KeyType ='M'");
        master->SetFiltered(true);
        QSignalSpy scroll(master, &TDbfTable::AfterScroll);
        QSignalSpy fieldChanged(master, &TDbfTable::FieldChanged);
        QSignalSpy states(master, &TDbfTable::StateChanged);
        master->First();
        master->Next();
        QCOMPARE(scroll.count(), 2);
        QCOMPARE(master->RowText(1, 2), QString("<EMPTY>"));
        QCOMPARE(master->RowText(1, 4), QString("False"));
        master->Edit();
        master->FieldByName("KEYCODE")->SetAsString("112233445566");
        QCOMPARE(fieldChanged.count(), 1);
        QCOMPARE(master->RowText(1, 2), QString("112233445566")); // pending value seen in its row
        master->Post();
        QCOMPARE(states.count(), 2);
        master->DisableControls();
        master->Next();
        master->Next();
        QCOMPARE(scroll.count(), 2);
        master->EnableControls();
        QCOMPARE(scroll.count(), 3);
        QCOMPARE(master->RowRecNo(master->CurrentRow()), master->RecNo());
    }

    void shouldCloseWithEventsAndStoreAPendingEdit() {
        openViews();
        QSignalSpy before(master, &TDbfTable::BeforeClose);
        QSignalSpy after(master, &TDbfTable::AfterClose);
        master->SetRecNo(5);
        master->Edit();
        master->FieldByName("KEYMEMO")->SetAsString("kept");
        master->Close();
        QCOMPARE(before.count(), 1);
        QCOMPARE(after.count(), 1);
        QCOMPARE(master->RecNo(), 0);
        QCOMPARE(master->RecCount(), 0);
        QCOMPARE(fileBytes(path).mid(recordAt(5) + 30, 4), QByteArray("kept"));
    }
};

QTEST_GUILESS_MAIN(tst_TDbfTable)
#include "tst_TDbfTable.moc"
