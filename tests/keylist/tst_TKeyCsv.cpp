#include "keylist/TKeyCsvCell.h"
#include "keylist/TKeyCsvReader.h"
#include "keylist/TKeyCsvWriter.h"
#include "keylist/TKeyImport.h"
#include "keylist/TKeyListRows.h"
#include "keys/TKeyPlaceholder.h"
#include "seams/TStopRequest.h"
#include "tests/keylist/KeyListFixture.h"
#include "tests/keylist/TFakeKeyListHost.h"
#include "tests/support/TFileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <sys/stat.h>

Q_DECLARE_METATYPE(TKeyCsvWriter::TFormat)

namespace {

QByteArray utf16(const QString& text, QStringEncoder::Encoding encoding) {
    QStringEncoder encoder(encoding, QStringEncoder::Flag::WriteBom);
    return encoder(text);
}

QVector<TKeySlot> records(TKeyListFixture& f) {
    return TKeyListRows::Read(f.master) + TKeyListRows::Read(f.slave);
}

QByteArray exported(TKeyListFixture& f) {
    return TKeyCsvWriter::Write(records(f), {QStringLiteral("S-1"), QStringLiteral("Hall")});
}

// Slot n of a view, counted from 0 in the list's order.
TKeySlot slot(TKeyListFixture& f, char type, int n) {
    for (const TKeySlot& r : records(f))
        if (r.keyType == QLatin1Char(type) && r.keyId == n)
            return r;
    return TKeySlot();
}

void putKey(TDbfTable& view, int row, const QString& code, bool active, const QString& note) {
    TKeyListFixture::goRow(view, row);
    TKeyListFixture::setKey(view, code, active, note);
}

QString rejectsText(const TKeyImport& plan) {
    QStringList lines;
    for (const auto& r : plan.Rejects)
        lines << QStringLiteral("%1: %2").arg(r.line).arg(r.reason);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class tst_TKeyCsv : public QObject {
    Q_OBJECT
private slots:
    void shouldGiveAnIdenticalListWhenExportedAndImportedIntoANewOne_data() {
        QTest::addColumn<TKeyCsvWriter::TFormat>("format");
        QTest::newRow("plain") << TKeyCsvWriter::TFormat::Plain;
        QTest::newRow("for spreadsheets") << TKeyCsvWriter::TFormat::Spreadsheet;
    }
    void shouldGiveAnIdenticalListWhenExportedAndImportedIntoANewOne() {
        QFETCH(TKeyCsvWriter::TFormat, format);
        TKeyListFixture source;
        source.newList();
        putKey(source.master, 0, QStringLiteral("2BC5FB000000"), true,
               QStringLiteral("Door, \"main\"\nentry"));
        putKey(source.master, 7, QStringLiteral("0123456789AB"), false, QStringLiteral("kept, inactive"));
        putKey(source.slave, 5, QStringLiteral("ABCDEF012345"), true, QStringLiteral("Flat 3; Müller"));
        putKey(source.slave, 127, QStringLiteral("00000000000F"), true,
               QStringLiteral("  two leading blanks"));
        putKey(source.slave, 9, QStringLiteral("0000000000F0"), true, QStringLiteral("=SUM(A1:A9)"));
        putKey(source.slave, 10, QStringLiteral("0000000000F1"), true, QStringLiteral("'-1 floor\ttab"));
        // A slot a read could not get stays marked: neither a key nor an empty slot.
        putKey(source.slave, 11, QLatin1String(TKeyPlaceholder::UnreadCode), true, QString());
        putKey(source.slave, 12, QLatin1String(TKeyPlaceholder::UnreadCode), true, QString());
        const TKeyListStore::THeader controller{QStringLiteral("0815"), QStringLiteral("=Hall; \"east\"")};
        const QByteArray csv = TKeyCsvWriter::Write(records(source), controller, format);
        QCOMPARE(csv.startsWith("\xEF\xBB\xBFtype;#;slot;"), format == TKeyCsvWriter::TFormat::Spreadsheet);

        TKeyListFixture copy;
        copy.newList();
        const TKeyImport plan = TKeyImport::Plan(csv, records(copy));
        QVERIFY2(plan.Rejects.isEmpty(), qPrintable(rejectsText(plan)));
        QCOMPARE(plan.Changes.size(), 8);
        QCOMPARE(plan.Serial, controller.serial);
        QCOMPARE(plan.Info, controller.info);
        plan.Apply(copy.master, copy.slave);
        QCOMPARE(TKeyCsvWriter::Write(records(copy), controller, format), csv);
        QCOMPARE(slot(copy, 'M', 0).memo, QStringLiteral("Door, \"main\"\nentry"));
        QCOMPARE(slot(copy, 'S', 5).memo, QStringLiteral("Flat 3; Müller"));
        QCOMPARE(slot(copy, 'S', 127).memo, QStringLiteral("  two leading blanks"));
        QCOMPARE(slot(copy, 'S', 9).memo, QStringLiteral("=SUM(A1:A9)"));
        QCOMPARE(slot(copy, 'S', 11).keyCode, QLatin1String(TKeyPlaceholder::UnreadCode));
        QVERIFY(slot(copy, 'S', 11).active);
    }

    // What a spreadsheet would take for a formula gets an apostrophe, and only that.
    void shouldNeutraliseFormulasExactlyOnce_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << "Flat 3"
                               << "Flat 3";
        QTest::newRow("apostrophe of its own") << "'s Hertogenbosch"
                                               << "'s Hertogenbosch";
        for (const char* start : {"=", "+", "-", "@", "\t", "\r"})
            QTest::addRow("starting with %s", start) << QString::fromLatin1(start) + "1+2"
                                                     << "'" + QString::fromLatin1(start) + "1+2";
        QTest::newRow("apostrophe before a formula") << "'=1"
                                                     << "''=1";
    }
    void shouldNeutraliseFormulasExactlyOnce() {
        QFETCH(QString, text);
        QFETCH(QString, written);
        QCOMPARE(TKeyCsvCell::Neutralised(text), written);
        QCOMPARE(TKeyCsvCell::Plain(written), text);
    }

    void shouldWriteRfc4180RowsWithTheEngravedForm() {
        TKeyListFixture f;
        f.newList();
        putKey(f.master, 1, QStringLiteral("2BC5FB000000"), true, QStringLiteral("Door, \"main\"\nentry"));
        const QList<QByteArray> lines = exported(f).split('\n');
        QCOMPARE(lines[0], QByteArray("type,#,slot,code,engraved,active,note,serial,info\r"));
        QCOMPARE(lines[1], QByteArray("M,1,0,<EMPTY>,,no,,S-1,Hall\r"));
        QCOMPARE(lines[2], QByteArray("M,2,1,2BC5FB000000,66 000000FBC52B 01,yes,\"Door, \"\"main\"\""));
        QCOMPARE(lines[3], QByteArray("entry\",S-1,Hall\r"));
        QCOMPARE(exported(f).count("\r\n"), 1 + 8 + 128);
    }

    void shouldReadSpreadsheetVariants_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("note");
        QTest::addColumn<bool>("active");
        QTest::addColumn<int>("slot"); // the slave slot the key lands in
        const QByteArray bom("\xEF\xBB\xBF");
        QTest::newRow("commas, LF") << QByteArray("code,note\n2BC5FB000000,Anna\n") << "Anna" << true << 0;
        QTest::newRow("semicolons, CRLF")
            << QByteArray("Key;Name\r\n2BC5FB000000;Anna, Bea\r\n") << "Anna, Bea" << true << 0;
        QTest::newRow("byte-order mark") << bom + "KEYCODE,Memo\r\n2BC5FB000000,Zoë\r\n"
                                         << "Zoë" << true << 0;
        QTest::newRow("Windows-1252")
            << QByteArray("code;note\r\n2BC5FB000000;Zo\xEB \x80\r\n") << "Zoë €" << true << 0;
        QTest::newRow("engraved, quoted, no line end")
            << QByteArray("\"note\",\"code\"\n\"A \"\"B\"\"\",\"66 000000FBC52B 01\"") << "A \"B\"" << true
            << 0;
        QTest::newRow("blank rows between")
            << QByteArray("code,note\n\n,\n2BC5FB000000,Anna\n\n") << "Anna" << true << 0;
        QTest::newRow("German header, Platz counted from 1")
            << bom + "Platz;Schlüssel;Bemerkung;Aktiv\r\n3;2BC5FB000000;Tür 3;nein\r\n"
            << "Tür 3" << false << 2;
        QTest::newRow("German: Nr., Notiz, WAHR")
            << QByteArray("Nr.;Typ;Code;Notiz;Aktiv\r\n2;S;2BC5FB000000;Keller;WAHR\r\n") << "Keller" << true
            << 1;
        QTest::newRow("the window's labels")
            << QByteArray("Key Code,Key Info,Active Key\n2BC5FB000000,Hall,no\n") << "Hall" << false << 0;
        QTest::newRow("Excel's sep= line")
            << QByteArray("sep=;\r\ncode;note\r\n2BC5FB000000;Anna, Bea, Cid\r\n") << "Anna, Bea, Cid" << true
            << 0;
        QTest::newRow("sep= naming a tab") << QByteArray("sep=\t\ncode\tnote\n2BC5FB000000\tAnna; Bea, Cid\n")
                                           << "Anna; Bea, Cid" << true << 0;
        QTest::newRow("tab-separated")
            << QByteArray("code\tnote\tactive\n2BC5FB000000\t Anna, Bea\t0\n") << " Anna, Bea" << false << 0;
        QTest::newRow("UTF-16, little-endian")
            << utf16("Schlüssel\tNotiz\r\n2BC5FB000000\tMüller\r\n", QStringEncoder::Utf16LE) << "Müller"
            << true << 0;
        QTest::newRow("UTF-16, big-endian")
            << utf16("code,note\n2BC5FB000000,€\n", QStringEncoder::Utf16BE) << "€" << true << 0;
        QTest::newRow("=\"...\" keeps the leading zeros")
            << QByteArray("code,note\n=\"012BC5FB00000066\",\"=\"\"7\"\"\"\n") << "7" << true << 0;
        QTest::newRow("decomposed umlaut")
            << QByteArray("code,note\n2BC5FB000000,Mu\xCC\x88ller\n") << "Müller" << true << 0;
        QTest::newRow("marked with x: blank is no")
            << QByteArray("code,active,note\n111111111111,x,one\n2BC5FB000000,,two\n") << "two" << false << 1;
    }
    void shouldReadSpreadsheetVariants() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, note);
        QFETCH(bool, active);
        QFETCH(int, slot);
        TKeyListFixture f;
        f.newList();
        const TKeyImport plan = TKeyImport::Plan(csv, records(f));
        QVERIFY2(plan.Rejects.isEmpty(), qPrintable(rejectsText(plan)));
        plan.Apply(f.master, f.slave);
        // No type column: a slave key; no slot: the first empty slot.
        const TKeySlot key = ::slot(f, 'S', slot);
        QCOMPARE(key.keyCode, QStringLiteral("2BC5FB000000"));
        QCOMPARE(key.memo, note);
        QCOMPARE(key.active, active);
    }

    void shouldRefuseRowsWithTheirLineAndReason() {
        TKeyListFixture f;
        f.newList();
        putKey(f.master, 3, QStringLiteral("111111111111"), true, QStringLiteral("in the list"));
        QByteArray csv = "type;slot;code;note;active\r\n"                             // 1
                         "M;;2BC5FB000000;\"two\r\nlines\";yes\r\n"                   // 2-3
                         "M;;012BC5FB00000067;bad crc\r\n"                            // 4
                         "M;;12345;short\r\n"                                         // 5
                         "S;;111111111111;in the list already\r\n"                    // 6
                         "S;;2BC5FB000000;twice in the file\r\n"                      // 7
                         "S;;222222222222;\"a note that is far too long to fit\"\r\n" // 8
                         "S;;333333333333;snow \xE2\x98\x83\r\n"                      // 9
                         "M;8;444444444444;no such slot\r\n"                          // 10
                         "M;1;555555555555;first in slot 1\r\n"                       // 11
                         "M;1;666666666666;second in slot 1\r\n"                      // 12
                         "X;;777777777777;odd type\r\n"                               // 13
                         "S;;;no code\r\n"                                            // 14
                         "S;;888888888888;maybe;perhaps\r\n";                         // 15
        // The master page has 8 slots: 3 holds a key, 1 goes to line 11, 0 to line 2; the rest fill.
        for (int i = 0; i < 6; ++i)
            csv += QStringLiteral("M;;9999999999%1;filler\r\n").arg(i, 2, 10, QLatin1Char('0')).toLatin1();
        const TKeyImport plan = TKeyImport::Plan(csv, records(f));
        const QVector<QPair<int, QString>> expected = {
            {4, "read family first, the CRC is 67 where 66 was expected"},
            {5, "5 hexadecimal digits"},
            {6, "already in the list as master key #4"},
            {7, "duplicate of line 2"},
            {8, "at most 25"},
            {9, "cannot hold"},
            {10, "no master slot 8 (slots 0 to 7)"},
            {12, "master key #2 is already filled by line 11"},
            {13, "neither M nor S"},
            {14, "neither a key code nor a slot"},
            {15, "not yes or no"},
            {21, "no free master slot"}};
        QCOMPARE(plan.Rejects.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(plan.Rejects[i].line, expected[i].first);
            QVERIFY2(plan.Rejects[i].reason.contains(expected[i].second), qPrintable(rejectsText(plan)));
        }
        QCOMPARE(plan.Changes.size(), 2 + 5);
        QCOMPARE(plan.Changes[0].after.keyId, 1); // rows naming a slot are placed first
        QCOMPARE(plan.Changes[1].after.keyId, 0);
        QCOMPARE(plan.Changes[1].after.memo, QStringLiteral("two\r\nlines"));
    }

    void shouldChangeNothingUntilTheImportIsApplied() {
        TKeyListFixture f;
        f.newList();
        putKey(f.slave, 2, QStringLiteral("111111111111"), true, QStringLiteral("old"));
        f.host.KeyList().SetModified(false);
        TKeyListFixture::goRow(f.slave, 10);
        const QByteArray before = KeyListFixture::fileBytes(f.store.WorkCopyPath());
        const TKeyImport plan =
            TKeyImport::Plan("type,slot,code,note\nS,2,222222222222,new\nS,,333333333333,x\n"
                             "M,,444444444444,y\n",
                             records(f));
        QCOMPARE(plan.Changes.size(), 3);
        QCOMPARE(plan.Changes[0].before.keyCode, QStringLiteral("111111111111"));
        QCOMPARE(plan.Changes[0].after.keyCode, QStringLiteral("222222222222"));
        QCOMPARE(KeyListFixture::fileBytes(f.store.WorkCopyPath()), before);
        QVERIFY(!f.host.KeyList().Modified());

        plan.Apply(f.master, f.slave);
        QVERIFY(f.host.KeyList().Modified());
        QCOMPARE(f.slave.RecNo(), f.slave.RowRecNo(10));
        QCOMPARE(slot(f, 'S', 2).memo, QStringLiteral("new"));
        QCOMPARE(slot(f, 'S', 0).keyCode, QStringLiteral("333333333333"));
        QCOMPARE(slot(f, 'M', 0).keyCode, QStringLiteral("444444444444"));
        QVERIFY(KeyListFixture::fileBytes(f.store.WorkCopyPath()) != before);
    }

    // A write that fails half-way leaves the list as it was: what was written is written back.
    void shouldUndoAPartlyAppliedImport() {
        TKeyImport plan;
        for (int slot : {0, 1, 2}) {
            TKeySlot before{slot + 1,  slot,     QStringLiteral("S"), false, QStringLiteral("<EMPTY>"),
                            QString(), slot + 10};
            TKeySlot after = before;
            after.keyCode = QStringLiteral("00000000000%1").arg(slot);
            plan.Changes.append({slot + 2, before, after});
        }
        QStringList written;
        const auto write = [&written](const TKeySlot& r) {
            if (r.keyCode == QLatin1String("000000000002"))
                throw std::runtime_error("disk full");
            written << QStringLiteral("%1=%2").arg(r.recNo).arg(r.keyCode);
        };
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, plan.Apply(write));
        QCOMPARE(written, QStringList({"10=000000000000", "11=000000000001", "11=<EMPTY>", "10=<EMPTY>"}));
    }

    // Each refused row names its line; the reason quotes only a short piece of what the row holds.
    void shouldRefuseRowsWithAShortReason_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("worthwhile"); // whether a list made from the file is written
        const QByteArray huge(10 * 1024 * 1024, 'A');
        QTest::newRow("UTF-8 file with a Windows-1252 line")
            << QByteArray("code;note\r\n111111111111;Tür\r\n222222222222;T\xFCr\r\n") << 3
            << "not valid UTF-8" << true;
        QTest::newRow("10 MB code") << "code,note\n111111111111,ok\n" + huge + ",x\n"
                                    << 3 << "AAAA..." << true;
        QTest::newRow("10 MB active cell") << "code,active\n111111111111," + huge + "\n"
                                           << 2 << "not yes or no" << false;
        QTest::newRow("10 MB slot") << "code,slot\n111111111111,1" + huge + "\n"
                                    << 2 << "AA...\" is not a slot number" << false;
        QTest::newRow("typed code that reads two ways")
            << QByteArray("code,note\n000000FBC52B,x\n") << 2 << "write the engraving with its CRC" << false;
        QTest::newRow("note with the controller's fill byte")
            << QByteArray("code;note\r\n111111111111;L'Ha\xC3\xBF-les-Roses\r\n") << 2 << "fill byte"
            << false;
        QTest::newRow("serial differs between rows")
            << QByteArray("code,serial\n111111111111,0815\n222222222222,4711\n") << 3
            << "differs from \"0815\" on line 2" << true;
        QTest::newRow("information text too long")
            << QByteArray("code,info\n111111111111,this text is longer than the list holds\n") << 2
            << "does not fit a key list" << false;
    }
    void shouldRefuseRowsWithAShortReason() {
        QFETCH(QByteArray, csv);
        QFETCH(int, line);
        QFETCH(QString, reason);
        QFETCH(bool, worthwhile);
        TKeyListFixture f;
        f.newList();
        const TKeyImport plan = TKeyImport::Plan(csv, records(f));
        QCOMPARE(plan.Rejects.size(), 1);
        QCOMPARE(plan.Rejects[0].line, line);
        QVERIFY2(plan.Rejects[0].reason.contains(reason), qPrintable(plan.Rejects[0].reason));
        QVERIFY2(plan.Rejects[0].reason.size() < 400, qPrintable(plan.Rejects[0].reason.left(200)));
        QCOMPARE(plan.Worthwhile(), worthwhile);
        QCOMPARE(plan.Accepted(), worthwhile ? 1 : 0);
    }

    void shouldRefuseAFileWithoutACodeColumn_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("said");
        QTest::newRow("empty") << QByteArray() << "empty";
        QTest::newRow("no code column") << QByteArray("name,slot\nAnna,1\n") << "no key code column";
        QByteArray lines = "code\n";
        while (lines.size() < 16 * 1024 * 1024)
            lines += "a\n";
        QTest::newRow("16 MB of short lines") << lines << "more than 5000 rows";
        QTest::newRow("a million columns")
            << "code\n" + QByteArray(1024 * 1024, ',') << "more than 64 columns";
        QTest::newRow("UTF-16 without its mark")
            << QByteArray("c\0o\0d\0e\0\n\0", 10) << "UTF-16 is not supported without its byte-order mark";
        QTest::newRow("broken UTF-16") << QByteArray("\xFF\xFE\x00\xD8", 4) << "not valid UTF-16";
    }
    void shouldRefuseAFileWithoutACodeColumn() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, said);
        TKeyListFixture f;
        f.newList();
        try {
            TKeyImport::Plan(csv, records(f));
            QFAIL("not refused");
        } catch (const std::runtime_error& e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains(said), e.what());
        }
    }

    // Ctrl-C or SIGTERM while a file is read or planned: the plan ends there and nothing changes.
    void shouldStopPlanningWhenAStopIsAskedFor() {
        TKeyListFixture f;
        f.newList();
        TStopRequest::Raise();
        QVERIFY_THROWS_EXCEPTION(
            std::runtime_error,
            TKeyImport::Plan("code\n111111111111\n" + QByteArray(1024 * 1024, '\n'), records(f)));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, TKeyImport::Plan("code\n111111111111\n", records(f)));
        TStopRequest::Clear();
        QCOMPARE(TKeyImport::Plan("code\n111111111111\n", records(f)).Changes.size(), 1);
    }

    void shouldReadOnlyRegularFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("said");
        QTest::newRow("named pipe") << "fifo"
                                    << "is a named pipe, not a file";
        QTest::newRow("folder") << "folder"
                                << "is a folder, not a file";
        QTest::newRow("terminal") << "tty"
                                  << "not a file";
        QTest::newRow("larger than 16 MB") << "large"
                                           << "is larger than";
        QTest::newRow("missing") << "missing"
                                 << "No such file";
    }
    void shouldReadOnlyRegularFiles() {
        QFETCH(QString, kind);
        QFETCH(QString, said);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("keys.csv"));
        if (kind == QLatin1String("fifo"))
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("keys.csv")));
        if (kind == QLatin1String("tty"))
            path = QStringLiteral("/dev/ptmx");
        if (kind == QLatin1String("large")) {
            QFile large(path);
            QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(16 * 1024 * 1024 + 1));
        }
        try {
            TKeyImport::ReadFile(path);
            QFAIL("read");
        } catch (const std::runtime_error& e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains(said), e.what());
        }
    }

    // A save that cannot be completed (a full disk, a file marked read-only, even for root) leaves
    // the file as it was and says why.
    void shouldKeepTheOldFileWhenTheExportCannotBeSaved_data() {
        QTest::addColumn<int>("room");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("reason"); // empty: saved
        const QString tooLarge = QString::fromLocal8Bit(std::strerror(EFBIG));
        QTest::newRow("room enough") << 1024 * 1024 << false << QString();
        QTest::newRow("full disk: fails in the closing flush") << 1024 << false << tooLarge;
        QTest::newRow("no room at all") << 0 << false << tooLarge;
        QTest::newRow("marked read-only")
            << 1024 * 1024 << true << QString::fromLocal8Bit(std::strerror(EACCES));
    }
    void shouldKeepTheOldFileWhenTheExportCannotBeSaved() {
        QFETCH(int, room);
        QFETCH(bool, readOnly);
        QFETCH(QString, reason);
        const bool saved = reason.isEmpty();
        TKeyListFixture f;
        f.newList();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("keys.csv"));
        const QByteArray old = "code\n111111111111\n";
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        }
        if (readOnly)
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        QString error;
        {
            const TFileSizeLimit limit{rlim_t(room)};
            try {
                TKeyCsvWriter::Save(path, records(f), {});
            } catch (const std::runtime_error& e) {
                error = QString::fromUtf8(e.what());
            }
        }
        QCOMPARE(error.isEmpty(), saved);
        QVERIFY2(saved || (error.contains(QStringLiteral("keys.csv")) && error.endsWith(reason)),
                 qPrintable(error));
        QCOMPARE(KeyListFixture::fileBytes(path), saved ? exported(f).replace("S-1,Hall", ",") : old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keys.csv")});
    }
};

QTEST_GUILESS_MAIN(tst_TKeyCsv)
#include "tst_TKeyCsv.moc"
