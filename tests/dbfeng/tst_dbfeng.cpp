// The engine through its C interface, as the table layer calls it.
#include "dbfeng/dbfeng.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <QThread>

#include <csignal>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Key {
    QByteArray recId; // as the field text, right-aligned by the caller or blank
    QByteArray keyCode;
    QByteArray keyType;
    bool status;
    QByteArray memo;
};

QByteArray pad(const QByteArray& text, int width, bool right = false) {
    QByteArray t = text.left(width);
    const QByteArray fill(width - t.size(), ' ');
    return right ? fill + t : t + fill;
}

// The record image of the key-list layout (deletion flag, RECID N10, KEYID N5, KEYCODE C12,
// KEYTYPE C1, KEYSTATUS L1, KEYMEMO C25).
QByteArray keyImage(const QByteArray& recId, const QByteArray& keyId, const QByteArray& code,
                    const QByteArray& type, const QByteArray& status, const QByteArray& memo) {
    return " " + pad(recId, 10, true) + pad(keyId, 5, true) + pad(code, 12) + pad(type, 1) + pad(status, 1) +
           pad(memo, 25);
}

void closeAll() {
    for (int wa = 1; wa <= 250; ++wa) {
        if (*dbe_Alias(wa)) {
            dbe_Select(wa);
            dbe_Close();
        }
    }
}

bool createKeyTable(const QString& path, const char* alias = "NEWT") {
    const int wa = dbe_CreateNew(QFile::encodeName(path).constData(), alias, 1, 6);
    if (wa <= 0)
        return false;
    dbe_CreateField("RECID", "N", 10, 0);
    dbe_CreateField("KEYID", "N", 5, 0);
    dbe_CreateField("KEYCODE", "C", 12, 0);
    dbe_CreateField("KEYTYPE", "C", 1, 0);
    dbe_CreateField("KEYSTATUS", "L", 1, 0);
    dbe_CreateField("KEYMEMO", "C", 25, 0);
    const int ok = dbe_CreateExec();
    dbe_Close();
    return ok != 0;
}

int use(const QString& path, const char* alias) {
    return dbe_Use(QFile::encodeName(path).constData(), alias, 0, 3);
}

void append(const QByteArray& image) {
    QVERIFY(dbe_AppendBlank());
    QVERIFY(dbe_PutRecord(image.constData()));
}

QByteArray current() {
    QByteArray buffer(dbe_RecSize() + 1, '\0');
    dbe_GetRecord(buffer.data());
    buffer.truncate(dbe_RecSize());
    return buffer;
}

// Record numbers met walking the selected work area from top to bottom.
QList<int> walk() {
    QList<int> seen;
    dbe_GoTop();
    while (!dbe_Eof() && seen.size() < 10000) {
        seen << dbe_RecNo();
        dbe_Skip(1);
    }
    return seen;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

} // namespace

class tst_dbfeng : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path;

    // A table of seven key records with chosen values.
    void fillSample() {
        QVERIFY(createKeyTable(path));
        QVERIFY(use(path, "SAMPLE") > 0);
        append(keyImage("", "", "<unknown>", "", "F", "<unknown>"));  // 1: header record
        append(keyImage("1", "0", "ABC", "M", "T", "Hello"));         // 2
        append(keyImage("2", "1", "ABCDEF", "M", "F", ""));           // 3
        append(keyImage("0", "0", "<EMPTY>", "S", "F", ""));          // 4
        append(keyImage("3", "2", "abc", "S", "T", "hello world"));   // 5
        append(keyImage("2", "1", "0123456789AB", "S", "F", "Memo")); // 6
        append(keyImage("10", "9", "<EMPTY>", "M", "F", ""));         // 7
    }

private slots:
    void init() {
        QVERIFY(dir.isValid());
        path = dir.filePath(QStringLiteral("keys.dbf"));
        QFile::remove(path);
        dbe_SetExact(1);
        dbe_SetDeleted(0);
        dbe_SetSoftSeek(0);
    }

    void cleanup() { closeAll(); }

    void shouldWriteByteExactDbaseFile() {
        QVERIFY(createKeyTable(path));
        QCOMPARE(QFileInfo(path).size(), qint64(32 + 6 * 32 + 1 + 1)); // header and end-of-file mark
        QVERIFY(use(path, "T1") > 0);
        append(keyImage("127", "126", "<EMPTY>", "S", "T", ""));
        append(keyImage("", "", "<unknown>", "", "F", "<unknown>"));
        dbe_Close();

        const QByteArray b = fileBytes(path);
        QCOMPARE(b.size(), 225 + 2 * 55 + 1);
        QCOMPARE(quint8(b[0]), quint8(0x03));                     // dBASE III without memo
        QVERIFY(quint8(b[2]) >= 1 && quint8(b[2]) <= 12);         // month of the last update
        QVERIFY(quint8(b[3]) >= 1 && quint8(b[3]) <= 31);         // day
        QCOMPARE(b.mid(4, 4), QByteArray("\x02\x00\x00\x00", 4)); // record count
        QCOMPARE(b.mid(8, 2), QByteArray("\xE1\x00", 2));         // header length 225
        QCOMPARE(b.mid(10, 2), QByteArray("\x37\x00", 2));        // record length 55
        const char* names[] = {"RECID", "KEYID", "KEYCODE", "KEYTYPE", "KEYSTATUS", "KEYMEMO"};
        const char types[] = {'N', 'N', 'C', 'C', 'L', 'C'};
        const int widths[] = {10, 5, 12, 1, 1, 25};
        for (int i = 0; i < 6; ++i) {
            const QByteArray d = b.mid(32 + 32 * i, 32);
            QCOMPARE(d.left(11), pad(names[i], 11).replace(' ', '\0'));
            QCOMPARE(d[11], types[i]);
            QCOMPARE(int(quint8(d[16])), widths[i]);
            QCOMPARE(int(quint8(d[17])), 0);
        }
        QCOMPARE(quint8(b[224]), quint8(0x0D));
        QCOMPARE(b.mid(225, 55), QByteArray(" "
                                            "       127"
                                            "  126"
                                            "<EMPTY>     "
                                            "S"
                                            "T") +
                                     QByteArray(25, ' '));
        QCOMPARE(b.mid(280, 55).mid(1, 15), QByteArray(15, ' '));
        QCOMPARE(b.mid(280, 55).at(29), 'F');
        QCOMPARE(quint8(b.at(b.size() - 1)), quint8(0x1A));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("keys.cpg"))));
    }

    void shouldHaveRecordInFileWhenPutRecordReturns() {
        fillSample();
        dbe_Go(2);
        QVERIFY(dbe_Rlock(2));
        QVERIFY(dbe_PutRecord(keyImage("1", "0", "A1B2C3D4E5F6", "M", "T", "Written").constData()));
        // Nothing closed or committed: the bytes are on disk already.
        const QByteArray b = fileBytes(path);
        QCOMPARE(b.mid(225 + 55, 55), keyImage("1", "0", "A1B2C3D4E5F6", "M", "T", "Written"));
        QCOMPARE(b.mid(4, 1), QByteArray("\x07"));
    }

    void shouldEvaluateExpressions_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<QList<int>>("records");

        const QList<int> none;
        QTest::newRow("single quotes") << "KeyType ='M'" << 3 << true << QList<int>{2, 3, 7};
        QTest::newRow("double quotes, lower-case name")
            << "keytype = \"S\"" << 3 << true << QList<int>{4, 5, 6};
        QTest::newRow("exact: prefix does not match") << "KEYCODE = 'ABC'" << 3 << true << QList<int>{2};
        QTest::newRow("exact: trailing blanks match") << "KEYCODE = 'ABC   '" << 3 << true << QList<int>{2};
        QTest::newRow("not exact: prefix matches") << "KEYCODE = 'ABC'" << 3 << false << QList<int>{2, 3};
        QTest::newRow("exact: longer value") << "KEYCODE = 'ABCDEFG'" << 3 << true << none;
        QTest::newRow("case matters") << "KEYCODE = 'abc'" << 3 << true << QList<int>{5};
        QTest::newRow("UPPER") << "UPPER(KEYCODE) = 'ABC'" << 3 << true << QList<int>{2, 5};
        QTest::newRow("report filter")
            << "(KeyType ='M') and (KEYCODE <> '<EMPTY>')" << 3 << true << QList<int>{2, 3};
        QTest::newRow(".and.") << "KEYTYPE='S' .and. KEYSTATUS" << 3 << true << QList<int>{5};
        QTest::newRow(".or. and .not.")
            << ".not. KEYSTATUS .or. RECID=3" << 3 << true << QList<int>{1, 3, 4, 5, 6, 7};
        QTest::newRow("logical literal .T.") << "KEYSTATUS = .T." << 3 << true << QList<int>{2, 5};
        QTest::newRow("logical literal .F.") << "keystatus = .f." << 3 << true << QList<int>{1, 3, 4, 6, 7};
        QTest::newRow("blank number is 0") << "RECID = 0" << 3 << true << QList<int>{1, 4};
        QTest::newRow("number comparison") << "RECID >= 2 and RECID < 10" << 3 << true << QList<int>{3, 5, 6};
        QTest::newRow("TRIM and concatenation")
            << "TRIM(KEYCODE) + '!' = 'ABC!'" << 3 << true << QList<int>{2};
        QTest::newRow("Locate condition, padded")
            << "UPPER(KEYCODE)=\"ABC         \" .AND. UPPER(KEYMEMO)=\"HELLO\"" << 3 << true << QList<int>{2};
        QTest::newRow("contains") << "'world' $ KEYMEMO" << 3 << true << QList<int>{5};
        QTest::newRow("character value") << "KEYCODE" << 1 << true << none;
        QTest::newRow("numeric value") << "RECID + 1" << 2 << true << none;
        QTest::newRow("unknown field") << "NOSUCH = 1" << 0 << true << none;
        QTest::newRow("type mismatch") << "KEYCODE = 1" << 0 << true << none;
        QTest::newRow("unclosed quote") << "KEYCODE = 'ABC" << 0 << true << none;
        QTest::newRow("unbalanced parentheses") << "((KEYTYPE='M')" << 0 << true << none;
        QTest::newRow("dangling and") << "KEYTYPE='M' .and." << 0 << true << none;
        QTest::newRow("empty") << "" << 0 << true << none;
        QTest::newRow("unknown function") << "FOO(KEYCODE) = 'A'" << 0 << true << none;
        QTest::newRow("bad dotted word") << "KEYSTATUS = .X." << 0 << true << none;
        // Literals far longer than any field are read whole.
        QTest::newRow("400-digit number, leading zeros")
            << "RECID = " + QString(397, '0') + "003" << 3 << true << QList<int>{5};
        QTest::newRow("400-digit number, decimals")
            << "RECID = 3." + QString(398, '0') << 3 << true << QList<int>{5};
        QTest::newRow("400-character string, padded")
            << "KEYCODE = 'ABC" + QString(397, ' ') + "'" << 3 << true << QList<int>{2};
        QTest::newRow("400-character string, not exact")
            << "KEYCODE = 'ABC" + QString(397, 'X') + "'" << 3 << false << none;
        QTest::newRow("400-character string contains")
            << "'" + QString(400, 'A') + "' $ KEYMEMO" << 3 << true << none;
    }

    void shouldSayWhatIsWrongWithALiteral_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("reason");
        const QString big = "1" + QString(399, '0');
        const QString tiny = "0." + QString(397, '0') + "1";
        const QString outOfRange = QStringLiteral("number out of range: %1... (400 characters)");
        QTest::newRow("400 digits") << "RECID < " + big << outOfRange.arg(big.left(24));
        QTest::newRow("400 digits, later in an .or.")
            << "RECID = " + big + " .or. .T." << outOfRange.arg(big.left(24));
        QTest::newRow("400-digit fraction") << "RECID < " + tiny << outOfRange.arg(tiny.left(24));
        QTest::newRow("unclosed quote") << "KEYCODE = 'ABC"
                                        << "unclosed quote";
        QTest::newRow("unclosed 400-character quote")
            << "KEYCODE = \"" + QString(400, 'A') << "unclosed quote";
    }

    // The reason names the fault and quotes at most a short piece of the literal.
    void shouldSayWhatIsWrongWithALiteral() {
        QFETCH(QString, expression);
        QFETCH(QString, reason);
        fillSample();
        QCOMPARE(dbe_EvalTest(expression.toLatin1().constData()), 0);
        const QByteArray said(dbe_ErrorText());
        QVERIFY2(said.contains(reason.toLatin1()), said.constData());
        QVERIFY2(said.size() < 200, said.constData());
    }

    void shouldEvaluateExpressions() {
        QFETCH(QString, expression);
        QFETCH(int, type);
        QFETCH(bool, exact);
        QFETCH(QList<int>, records);
        fillSample();
        dbe_SetExact(exact ? 1 : 0);
        const QByteArray e = expression.toLatin1();
        QCOMPARE(dbe_EvalTest(e.constData()), type);
        if (type != 3)
            return;
        QCOMPARE(dbe_QueryTest(e.constData()) > 0, true);
        QCOMPARE(dbe_Query(e.constData()) != 0, !records.isEmpty());
        QCOMPARE(dbe_QueryRecCount(), records.size());
        QCOMPARE(walk(), records);
        QCOMPARE(QByteArray(dbe_DBFilter()), e);
        QVERIFY(dbe_Query(""));
        QCOMPARE(walk().size(), 7);
    }

    void shouldOrderIndexesAsTheKeyListNeeds_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QList<int>>("order");
        // Record 1 has a blank RECID (as 0) and record 4 RECID 0: the header record stays first.
        QTest::newRow("RECID ascending") << "RECID" << false << QList<int>{1, 4, 2, 3, 6, 5, 7};
        QTest::newRow("RECID descending") << "RECID" << true << QList<int>{7, 5, 3, 6, 2, 1, 4};
        QTest::newRow("KEYCODE ascending") << "KEYCODE" << false << QList<int>{6, 4, 7, 1, 2, 3, 5};
        QTest::newRow("KEYSTATUS ascending") << "KEYSTATUS" << false << QList<int>{1, 3, 4, 6, 7, 2, 5};
        QTest::newRow("KEYSTATUS descending") << "KEYSTATUS" << true << QList<int>{2, 5, 1, 3, 4, 6, 7};
        QTest::newRow("UPPER(KEYCODE)") << "UPPER(KEYCODE)" << false << QList<int>{6, 4, 7, 1, 2, 5, 3};
    }

    void shouldOrderIndexesAsTheKeyListNeeds() {
        QFETCH(QString, key);
        QFETCH(bool, descending);
        QFETCH(QList<int>, order);
        fillSample();
        const QString file = dir.filePath(QStringLiteral("order.ntx"));
        const int n = dbe_Index(QFile::encodeName(file).constData(), key.toLatin1().constData(), 0,
                                descending ? -1 : 0, nullptr);
        QCOMPARE(n, 1);
        QVERIFY(QFile::exists(file));
        QCOMPARE(walk(), order);
        QCOMPARE(dbe_IndexOrd(), 1);
        QCOMPARE(QByteArray(dbe_TagName(1)), QByteArray("ORDER"));
        QCOMPARE(dbe_SetOrder(0), 1);
        QCOMPARE(walk(), (QList<int>{1, 2, 3, 4, 5, 6, 7}));
    }

    void shouldKeepIndexUpToDateAndApplyQueryOnTop() {
        fillSample();
        QVERIFY(dbe_Index(QFile::encodeName(dir.filePath("r.ntx")).constData(), "RECID", 0, 0, nullptr) == 1);
        QVERIFY(dbe_Query("KeyType ='M'"));
        QCOMPARE(walk(), (QList<int>{2, 3, 7}));
        dbe_Go(7);
        QVERIFY(dbe_PutRecord(keyImage("0", "0", "<EMPTY>", "M", "F", "").constData()));
        QCOMPARE(walk(), (QList<int>{7, 2, 3}));
        QCOMPARE(dbe_SysProp(DBE_PROP_ORDER_COUNT, nullptr), 1);
        // Skipping backwards stops at the first record shown, with the beginning-of-file mark.
        dbe_GoTop();
        dbe_Skip(-1);
        QVERIFY(dbe_Bof());
        QCOMPARE(dbe_RecNo(), 7);
        dbe_GoBottom();
        dbe_Skip(1);
        QVERIFY(dbe_Eof());
        QCOMPARE(dbe_RecNo(), 8);
        dbe_Skip(-1);
        QCOMPARE(dbe_RecNo(), 3);
    }

    void shouldSeekWholeKeysAmongShownRecords() {
        fillSample();
        QVERIFY(dbe_Index(QFile::encodeName(dir.filePath("c.ntx")).constData(), "KEYCODE", 0, 0, nullptr) ==
                1);
        QCOMPARE(QByteArray(dbe_IndexKeyField()), QByteArray("KEYCODE"));
        dbe_SysProp(DBE_PROP_SEEK_WHOLE_KEY_SET, "1");
        QVERIFY(dbe_Seek("ABC"));
        QVERIFY(dbe_Found());
        QCOMPARE(dbe_RecNo(), 2);
        QVERIFY(!dbe_Seek("AB"));
        QVERIFY(!dbe_Found());
        QVERIFY(dbe_Eof());
        QVERIFY(dbe_Seek("ABCDEF"));
        QCOMPARE(dbe_RecNo(), 3);
        // Exact comparison on: a prefix is not enough even when the seek would allow one.
        dbe_SysProp(DBE_PROP_SEEK_WHOLE_KEY_SET, "0");
        QVERIFY(!dbe_Seek("0123"));
        dbe_SetExact(0);
        QVERIFY(dbe_Seek("0123"));
        QCOMPARE(dbe_RecNo(), 6);
        dbe_SetExact(1);
        // A record outside the query is not found.
        dbe_Query("KeyType ='S'");
        QVERIFY(!dbe_Seek("ABC"));
        QVERIFY(dbe_Seek("<EMPTY>"));
        QCOMPARE(dbe_RecNo(), 4);
        QCOMPARE(dbe_SysProp(DBE_PROP_SEEK_WHOLE_KEY_GET, nullptr), 0);
        // Numbers seek by value.
        dbe_Query("");
        QVERIFY(dbe_Index(QFile::encodeName(dir.filePath("r.ntx")).constData(), "RECID", 0, 0, nullptr) == 2);
        QVERIFY(dbe_Seek("10"));
        QCOMPARE(dbe_RecNo(), 7);
        QVERIFY(dbe_Seek("0"));
        QCOMPARE(dbe_RecNo(), 1);
    }

    void shouldShareOneFileBetweenTwoWorkAreas() {
        fillSample();
        const int a = dbe_WorkArea("SAMPLE");
        QVERIFY(a > 0);
        const int b = use(path, "SAMPLE1");
        QVERIFY(b > 0 && b != a);
        QVERIFY(use(path, "SAMPLE") == 0); // alias in use
        dbe_Select(b);
        QVERIFY(dbe_Query("KeyType ='S'"));
        dbe_Select(a);
        dbe_Go(5);
        QVERIFY(dbe_Rlock(5));
        QVERIFY(dbe_PutRecord(keyImage("3", "2", "FFFFFFFFFFFF", "S", "T", "changed").constData()));
        dbe_Select(b);
        dbe_Go(5);
        QVERIFY(current().contains("FFFFFFFFFFFF"));
        // The lock of one work area holds off the other.
        QVERIFY(!dbe_Rlock(5));
        QVERIFY(!dbe_PutRecord(keyImage("3", "2", "000000000000", "S", "T", "").constData()));
        dbe_Select(a);
        dbe_Unlock(0);
        dbe_Select(b);
        QVERIFY(dbe_Rlock(5));
        dbe_Unlock(0);
        // An appended record is counted in both.
        dbe_Select(a);
        append(keyImage("11", "10", "<EMPTY>", "S", "F", ""));
        dbe_Select(b);
        QCOMPARE(dbe_RecCount(), 8);
        QCOMPARE(walk(), (QList<int>{4, 5, 6, 8}));
        dbe_Close();
        dbe_Select(a);
        QCOMPARE(dbe_RecCount(), 8);
    }

    void shouldCopyInPhysicalOrderAndReplaceTargetWhole() {
        fillSample();
        dbe_Index(QFile::encodeName(dir.filePath("d.ntx")).constData(), "RECID", 0, -1, nullptr);
        dbe_Query("KeyType ='M'");
        const QString target = dir.filePath(QStringLiteral("copy.dbf"));
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents that must go");
        old.close();
        QVERIFY(dbe_CopyFile(QFile::encodeName(target).constData()));
        const QByteArray source = fileBytes(path);
        const QByteArray copy = fileBytes(target);
        QCOMPARE(copy.size(), source.size());
        QCOMPARE(copy.mid(4), source.mid(4)); // all records, in physical order
        QCOMPARE(QDir(dir.path()).entryList(QStringList{"copy.dbf.*"}, QDir::Files), QStringList());

        // Copying over a table that is open is refused and leaves it alone.
        QVERIFY(!dbe_CopyFile(QFile::encodeName(path).constData()));
        QCOMPARE(fileBytes(path), source);
        // A target that cannot be written leaves nothing behind.
        QVERIFY(!dbe_CopyFile(QFile::encodeName(dir.filePath("missing/copy.dbf")).constData()));

        // A target the user may not write is left alone (root may write anything).
        if (geteuid() != 0) {
            QFile::setPermissions(target, QFileDevice::ReadOwner);
            QVERIFY(!dbe_CopyFile(QFile::encodeName(target).constData()));
            QCOMPARE(fileBytes(target), copy);
            QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }

        const int c = use(target, "COPY");
        QVERIFY(c > 0);
        QCOMPARE(dbe_RecCount(), 7);
    }

    void shouldRefuseBadFilesAndChangeNothing_data() {
        QTest::addColumn<QByteArray>("contents");
        QByteArray good;
        {
            QTemporaryDir d;
            const QString p = d.filePath("g.dbf");
            createKeyTable(p, "G");
            use(p, "G");
            append(keyImage("1", "0", "ABC", "M", "T", "x"));
            append(keyImage("2", "1", "DEF", "M", "F", "y"));
            dbe_Close();
            good = fileBytes(p);
        }
        auto patched = [&good](int offset, const QByteArray& bytes) {
            QByteArray b = good;
            b.replace(offset, bytes.size(), bytes);
            return b;
        };
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("text file")
            << QByteArray("This is not a table at all, just some text.\n").repeated(20);
        QTest::newRow("header only, cut") << good.left(100);
        QTest::newRow("truncated records") << good.left(good.size() - 30);
        QTest::newRow("huge record count") << patched(4, QByteArray("\xFF\xFF\xFF\x7F", 4));
        QTest::newRow("negative record count") << patched(4, QByteArray("\xFF\xFF\xFF\xFF", 4));
        QTest::newRow("header length past the file") << patched(8, QByteArray("\xFF\xFF", 2));
        QTest::newRow("header length too short") << patched(8, QByteArray("\x20\x00", 2));
        QTest::newRow("record length disagrees") << patched(10, QByteArray("\x38\x00", 2));
        QTest::newRow("field wider than record") << patched(32 + 5 * 32 + 16, QByteArray("\xFF", 1));
        QTest::newRow("field of width 0") << patched(32 + 16, QByteArray("\x00", 1));
        QTest::newRow("no terminator") << patched(224, QByteArray("\x20", 1));
        QTest::newRow("unknown version") << patched(0, QByteArray("\x02", 1));
        QTest::newRow("unknown field type") << patched(32 + 11, QByteArray("X", 1));
    }

    void shouldRefuseBadFilesAndChangeNothing() {
        QFETCH(QByteArray, contents);
        const QString bad = dir.filePath(QStringLiteral("bad.dbf"));
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(contents);
        f.close();
        QCOMPARE(dbe_Use(QFile::encodeName(bad).constData(), "BAD", 0, 3), 0);
        QVERIFY(QByteArray(dbe_ErrorText()).size() > 0);
        QCOMPARE(fileBytes(bad), contents);
        QCOMPARE(dbe_WorkArea("BAD"), 0);
    }

    void shouldValidateNewTables() {
        const QString p = dir.filePath(QStringLiteral("new.dbf"));
        QVERIFY(dbe_CreateNew(QFile::encodeName(p).constData(), "NEW", 1, 2) > 0);
        QVERIFY(dbe_CreateField("GOOD", "C", 10, 0));
        QVERIFY(!dbe_CreateField("1BAD", "C", 10, 0));
        QVERIFY(!dbe_CreateExec());
        dbe_Close();
        QVERIFY(!QFile::exists(p));

        QVERIFY(dbe_CreateNew(QFile::encodeName(p).constData(), "NEW", 1, 2) > 0);
        QVERIFY(!dbe_CreateField("WIDE", "C", 300, 0));
        dbe_Close();
        QVERIFY(dbe_CreateNew(QFile::encodeName(p).constData(), "NEW", 1, 1) > 0);
        QVERIFY(!dbe_CreateField("T", "Q", 3, 0));
        dbe_Close();
        QVERIFY(dbe_CreateNew(QFile::encodeName(dir.filePath("nodir/x.dbf")).constData(), "X", 1, 1) == 0);

        // A table may not be rebuilt under a work area that has it open.
        fillSample();
        const QByteArray before = fileBytes(path);
        QVERIFY(dbe_CreateNew(QFile::encodeName(path).constData(), "AGAIN", 1, 1) > 0);
        QVERIFY(dbe_CreateField("A", "C", 1, 0));
        QVERIFY(!dbe_CreateExec());
        dbe_Close();
        QCOMPARE(fileBytes(path), before);
    }

    void shouldWriteNothingOnCloseIntoAFileReplacedMeanwhile() {
        fillSample();
        dbe_Go(2);
        QVERIFY(dbe_PutRecord(keyImage("1", "0", "CHANGED", "M", "T", "").constData()));
        // Someone overwrites the file in place while it is open.
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("replaced");
        f.close();
        dbe_Close();
        QCOMPARE(fileBytes(path), QByteArray("replaced"));
    }

    void shouldReportLayout() {
        fillSample();
        QCOMPARE(dbe_FieldCount(), 6);
        QCOMPARE(dbe_RecSize(), 55);
        QCOMPARE(QByteArray(dbe_FieldName(3)), QByteArray("KEYCODE"));
        QCOMPARE(QByteArray(dbe_FieldType("keystatus")), QByteArray("L"));
        QCOMPARE(dbe_FieldOffset("KEYCODE"), 16);
        QCOMPARE(dbe_FieldWidth("KEYMEMO"), 25);
        QCOMPARE(QByteArray(dbe_FieldType("NOSUCH")), QByteArray());
        QCOMPARE(QByteArray(dbe_FieldName(7)), QByteArray());
    }

    void shouldReadFilesOfOtherWriters() {
        // A file as other dBASE writers make it: a version byte with memo flag off, a
        // language-driver byte, lower-case field names, no end-of-file mark.
        QByteArray b(32, '\0');
        b[0] = 0x03;
        b[1] = 124;
        b[2] = 1;
        b[3] = 1;
        b[4] = 2;
        b[8] = char(32 + 2 * 32 + 1);
        b[10] = char(1 + 8 + 4);
        b[29] = 0x57;
        auto field = [](const char* name, char type, int width, int decimals) {
            QByteArray d(32, '\0');
            d.replace(0, int(strlen(name)), name);
            d[11] = type;
            d[16] = char(width);
            d[17] = char(decimals);
            return d;
        };
        b += field("name", 'C', 8, 0);
        b += field("value", 'N', 4, 1);
        b += '\x0D';
        b += " Alpha    1.5";
        b += " Beta    -2.0";
        const QString p = dir.filePath(QStringLiteral("other.dbf"));
        QFile f(p);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(b);
        f.close();
        QVERIFY(use(p, "OTHER") > 0);
        QCOMPARE(dbe_RecCount(), 2);
        QCOMPARE(dbe_EvalTest("NAME = 'Beta' .and. VALUE < 0"), 3);
        QVERIFY(dbe_Query("NAME = 'Beta' .and. VALUE < 0"));
        QCOMPARE(walk(), QList<int>{2});
    }

    // Nodes that are no regular file are refused without being opened (a FIFO would block the
    // open for good), and a header that would have the engine read a gigabyte is refused before
    // a record is read.
    void shouldRefuseWhatIsNoTableWithoutWaiting_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("reason");
        QTest::newRow("FIFO") << "fifo" << QByteArray("not a regular file");
        QTest::newRow("link to a FIFO") << "fifo link" << QByteArray("not a regular file");
        QTest::newRow("link to a device") << "device" << QByteArray("not a regular file");
        QTest::newRow("directory") << "directory" << QByteArray("not a regular file");
        QTest::newRow("sparse 1 GB of two-byte records") << "sparse" << QByteArray("table too large");
    }

    void shouldRefuseWhatIsNoTableWithoutWaiting() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, reason);
        QString node = dir.filePath(QStringLiteral("node.dbf"));
        QFile::remove(node);
        QDir(dir.path()).rmdir(QStringLiteral("node.dbf"));
        if (kind.startsWith("fifo")) {
            const QString fifo = dir.filePath(QStringLiteral("fifo.dbf"));
            QFile::remove(fifo);
            QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
            if (kind == "fifo link")
                QVERIFY(QFile::link(fifo, node));
            else
                node = fifo;
        } else if (kind == "device") {
            QVERIFY(QFile::link(QStringLiteral("/dev/null"), node));
        } else if (kind == "directory") {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("node.dbf")));
        } else {
            // A valid header of one C(1) field claiming 2^29 records, the rest holes on disk.
            QFile f(node);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QByteArray head(32, '\0');
            head[0] = 0x03;
            const quint32 records = 1u << 29;
            for (int i = 0; i < 4; ++i)
                head[4 + i] = char((records >> (8 * i)) & 0xFF);
            head[8] = 65;
            head[10] = 2;
            QByteArray field(32, '\0');
            field.replace(0, 4, "NOTE");
            field[11] = 'C';
            field[16] = 1;
            f.write(head + field + "\x0D");
            QVERIFY(f.resize(65 + qint64(records) * 2));
            f.close();
        }
        QCOMPARE(dbe_Use(QFile::encodeName(node).constData(), "NODE", 0, 3), 0);
        QVERIFY2(QByteArray(dbe_ErrorText()).contains(reason), dbe_ErrorText());
    }

    // Whatever name leads to it, a file some work area has open is never overwritten by an index
    // or a copy.
    void shouldNeverWriteOverAnOpenTable_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("index under the table's name") << "index";
        QTest::newRow("index through a link") << "index link";
        QTest::newRow("index through a hard link") << "index hard link";
        QTest::newRow("copy through a hard link") << "copy hard link";
    }

    void shouldNeverWriteOverAnOpenTable() {
        QFETCH(QString, how);
        fillSample();
        const QByteArray before = fileBytes(path);
        QString target = path;
        const QString other = dir.filePath(QStringLiteral("other.ntx"));
        QFile::remove(other);
        if (how.endsWith("hard link"))
            QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()), 0);
        else if (how.endsWith("link"))
            QVERIFY(QFile::link(path, other));
        if (how.endsWith("link"))
            target = other;
        if (how.startsWith("index"))
            QCOMPARE(dbe_Index(QFile::encodeName(target).constData(), "RECID", 0, 0, nullptr), 0);
        else
            QCOMPARE(dbe_CopyFile(QFile::encodeName(target).constData()), 0);
        QVERIFY2(QByteArray(dbe_ErrorText()).contains("the table is open"), dbe_ErrorText());
        QCOMPARE(fileBytes(path), before);
        QFile::remove(other);
    }

    void shouldCallANumberNoDoubleHoldsInvalid() {
        fillSample();
        const QByteArray huge = "RECID < " + QByteArray(400, '9');
        QCOMPARE(dbe_EvalTest(huge.constData()), 0);
        QCOMPARE(dbe_Query(huge.constData()), 0);
        QCOMPARE(dbe_EvalTest(("RECID < " + QByteArray(300, '9')).constData()), 3);
    }

    // New tables declare Windows ANSI (code page 1252) to other readers; a copy keeps the byte
    // its source declared.
    void shouldDeclareTheCodePageAndKeepASourcesOnCopy() {
        fillSample();
        dbe_Close();
        QCOMPARE(quint8(fileBytes(path).at(29)), quint8(0x03));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.seek(29);
        f.write("\x57", 1);
        f.close();
        QVERIFY(use(path, "SRC") > 0);
        const QString copy = dir.filePath(QStringLiteral("copy57.dbf"));
        QVERIFY(dbe_CopyFile(QFile::encodeName(copy).constData()));
        QCOMPARE(quint8(fileBytes(copy).at(29)), quint8(0x57));
    }

    // A save killed at any moment leaves the target whole (old or new) and, once the next save
    // into the folder ran, no staging file; one a live writer holds stays.
    void shouldLeaveNothingBehindAKilledSave() {
        fillSample();
        QTemporaryDir folder;
        const QString target = folder.filePath(QStringLiteral("saved.dbf"));
        QVERIFY(dbe_CopyFile(QFile::encodeName(target).constData()));
        const QByteArray whole = fileBytes(target);
        for (int round = 0; round < 5; ++round) {
            const pid_t child = fork();
            if (child == 0) {
                for (;;)
                    dbe_CopyFile(QFile::encodeName(target).constData());
            }
            QVERIFY(child > 0);
            QThread::msleep(20 + round * 17);
            ::kill(child, SIGKILL);
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QCOMPARE(fileBytes(target).mid(32), whole.mid(32)); // the date bytes aside
        }
        // Stale files of a killed writer (and of earlier versions), and one still being written.
        const QStringList stale = {".vtrk-save-Ab12Cd.dbf", ".vtrk-save-Ef34Gh.dbf.Ij56Kl"};
        for (const QString& name : stale) {
            QFile f(folder.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QFile busy(folder.filePath(QStringLiteral(".vtrk-save-Busy00.dbf")));
        QVERIFY(busy.open(QIODevice::WriteOnly));
        QCOMPARE(flock(busy.handle(), LOCK_EX), 0);
        QVERIFY(dbe_CopyFile(QFile::encodeName(target).constData()));
        const QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left, QStringList({".vtrk-save-Busy00.dbf", "saved.dbf"}));
    }
};

QTEST_GUILESS_MAIN(tst_dbfeng)
#include "tst_dbfeng.moc"
