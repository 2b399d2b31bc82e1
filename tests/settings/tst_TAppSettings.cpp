#include "settings/TAppSettings.h"
#include "settings/TInstallDirs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), qint64(content.size()));
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class tst_TAppSettings : public QObject {
    Q_OBJECT
private slots:
    void shouldRememberPortFolderAndRecentListsAcrossRuns() {
        QTemporaryDir dir;
        const QString file = dir.filePath("config/velm-tarvikon.conf");
        const QString keys = dir.filePath("keys");
        QVERIFY(QDir().mkpath(keys));
        {
            TAppSettings settings(file);
            QCOMPARE(settings.comNumber(), 0);
            QVERIFY(settings.lastFolder().isEmpty());
            QVERIFY(settings.recentKeyLists().isEmpty());
            settings.setComNumber(7);
            settings.setComNumber(51); // not a port the chooser offers: the 7 stays
            settings.noteKeyListUsed(keys + "/door1.dbf");
            settings.noteKeyListUsed(keys + "/../keys/door2.dbf");
        }
        TAppSettings next(file);
        QVERIFY(!next.wasBroken());
        QCOMPARE(next.comNumber(), 7);
        QCOMPARE(next.lastFolder(), keys);
        QCOMPARE(next.recentKeyLists(), QStringList({keys + "/door2.dbf", keys + "/door1.dbf"}));
    }

    void shouldKeepFiveRecentKeyListsNewestFirst() {
        QTemporaryDir dir;
        const QString file = dir.filePath("velm-tarvikon.conf");
        // A hand-edited list: a repeat, a relative path and more than five entries.
        writeFile(file, "[RecentKeyLists]\nFiles=/k/1.dbf, /k/1.dbf, rel.dbf, /k/2.dbf, /k/3.dbf, /k/4.dbf, "
                        "/k/5.dbf, /k/6.dbf\n");
        TAppSettings settings(file);
        QCOMPARE(settings.recentKeyLists(),
                 QStringList({"/k/1.dbf", "/k/2.dbf", "/k/3.dbf", "/k/4.dbf", "/k/5.dbf"}));
        settings.noteKeyListUsed("/k/4.dbf");
        settings.noteKeyListUsed("/k/9.dbf");
        QCOMPARE(settings.recentKeyLists(),
                 QStringList({"/k/9.dbf", "/k/4.dbf", "/k/1.dbf", "/k/2.dbf", "/k/3.dbf"}));
        settings.removeRecentKeyList("/k/1.dbf");
        settings.removeRecentKeyList("/k/not-there.dbf");
        QCOMPARE(TAppSettings(file).recentKeyLists(),
                 QStringList({"/k/9.dbf", "/k/4.dbf", "/k/2.dbf", "/k/3.dbf"}));
    }

    void shouldRememberTheReaderServerAndIgnoreNonsense_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("server");
        QTest::newRow("host and port") << QByteArray("[OneWire]\nServer=door-pc:4304\n") << "door-pc:4304";
        QTest::newRow("blanks inside") << QByteArray("[OneWire]\nServer=door pc:4304\n") << "";
        QTest::newRow("a list") << QByteArray("[OneWire]\nServer=a:1, b:2\n") << "";
        QTest::newRow("none") << QByteArray() << "";
    }
    void shouldRememberTheReaderServerAndIgnoreNonsense() {
        QFETCH(QByteArray, content);
        QFETCH(QString, server);
        QTemporaryDir dir;
        const QString file = dir.filePath("velm-tarvikon.conf");
        writeFile(file, content);
        QCOMPARE(TAppSettings(file).oneWireServer(), server);
        TAppSettings(file).setOneWireServer(QStringLiteral(" localhost:4305 "));
        QCOMPARE(TAppSettings(file).oneWireServer(), QStringLiteral("localhost:4305"));
    }

    void shouldIgnoreABrokenSettingsFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("setAside");
        QTest::newRow("unclosed section") << QByteArray("[SerialPort\nComNumber=7\n") << true;
        QTest::newRow("binary garbage") << QByteArray("\x00\x01\xff\xfe[[[\n=\n==\n", 13) << false;
        QTest::newRow("wrong types") << QByteArray(
                                            "[SerialPort]\nComNumber=COM7\n[Folders]\nKeyLists=relative/dir\n"
                                            "[RecentKeyLists]\nFiles=a.dbf, b.dbf\n")
                                     << false;
        QTest::newRow("out of range")
            << QByteArray("[SerialPort]\nComNumber=0\n[Folders]\nKeyLists=/no/such/folder\n"
                          "[RecentKeyLists]\nFiles=@Variant(\\0\\0\\0\\x7f\\0garbage)\n")
            << false;
        QTest::newRow("port a list") << QByteArray("[SerialPort]\nComNumber=3, 4\n") << false;
        QTest::newRow("empty") << QByteArray() << false;
        // Readable, but far larger than settings ever are: not read at all.
        QTest::newRow("too large") << QByteArray("[SerialPort]\nComNumber=7\n") + QByteArray(2 << 20, ';')
                                   << true;
    }

    void shouldIgnoreABrokenSettingsFile() {
        QFETCH(QByteArray, content);
        QFETCH(bool, setAside);
        QTemporaryDir dir;
        const QString file = dir.filePath("velm-tarvikon.conf");
        writeFile(file, content);
        {
            TAppSettings settings(file);
            QCOMPARE(settings.wasBroken(), setAside);
            QCOMPARE(settings.comNumber(), 0);
            QVERIFY(settings.lastFolder().isEmpty());
            QVERIFY(settings.recentKeyLists().isEmpty());
            settings.setComNumber(4);
            settings.noteKeyListUsed(dir.filePath("door.dbf"));
        }
        // What cannot be read is kept for whoever wants to look at it; nothing else is left over.
        QCOMPARE(QFile::exists(file + ".broken"), setAside);
        if (setAside)
            QCOMPARE(readFile(file + ".broken"), content);
        QVERIFY(readFile(file).contains("ComNumber=4"));
        TAppSettings next(file);
        QVERIFY(!next.wasBroken());
        QCOMPARE(next.comNumber(), 4);
        QCOMPARE(next.lastFolder(), dir.path());
        QCOMPARE(next.recentKeyLists(), QStringList{dir.filePath("door.dbf")});
    }

    void shouldRunWithASettingsFileThatCannotBeWritten() {
        QTemporaryDir dir;
        // The settings "file" is a folder: nothing can be read or kept, and the program goes on.
        const QString file = dir.filePath("velm-tarvikon.conf");
        QVERIFY(QDir().mkpath(file));
        TAppSettings settings(file);
        settings.setComNumber(5);
        settings.noteKeyListUsed(dir.filePath("door.dbf"));
        QCOMPARE(settings.comNumber(), 5); // kept for this run at least
        QVERIFY(QFileInfo(file).isDir());
        QVERIFY(QDir(file).isEmpty());
    }

    void shouldNeverWaitOnASettingsFileThatIsNoFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("named pipe") << "fifo"
                                    << "is a named pipe, not a file";
        QTest::newRow("link to a named pipe") << "fifo link"
                                              << "is a named pipe, not a file";
        QTest::newRow("folder") << "folder"
                                << "is a folder, not a file";
        QTest::newRow("device") << "device"
                                << "is a character device, not a file";
    }

    void shouldNeverWaitOnASettingsFileThatIsNoFile() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString file = dir.filePath("velm-tarvikon.conf");
        const QString fifo = dir.filePath("pipe");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        if (kind == "fifo")
            file = fifo;
        else if (kind == "fifo link")
            QVERIFY(QFile::link(fifo, file));
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(file));
        else
            file = QStringLiteral("/dev/null");
        {
            TAppSettings settings(file); // returns: nothing opens the pipe
            QCOMPARE(settings.notAFileReason(), reason);
            QCOMPARE(settings.comNumber(), 0);
            settings.setComNumber(7);
            QCOMPARE(settings.comNumber(), 7);
        }
        QVERIFY(!QFileInfo(file).isFile());
        QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    }

    void shouldFindDataFilesBesideTheExecutableThenInTheInstallation_data() {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("beside only") << true << false << "bin";
        QTest::newRow("both") << true << true << "bin";
        QTest::newRow("installed only") << false << true << "share/velm-tarvikon";
        QTest::newRow("nowhere") << false << false << "bin";
    }

    void shouldFindDataFilesBesideTheExecutableThenInTheInstallation() {
        QFETCH(bool, beside);
        QFETCH(bool, installed);
        QFETCH(QString, expected);
        // An installation under some prefix: <prefix>/bin and <prefix>/share/velm-tarvikon.
        QTemporaryDir prefix;
        const QString bin = prefix.filePath("bin");
        QVERIFY(QDir().mkpath(bin));
        if (beside)
            writeFile(bin + "/CtrlInfo.rpt", "@report");
        if (installed)
            writeFile(prefix.filePath("share/velm-tarvikon/CtrlInfo.rpt"), "@report");
        QCOMPARE(TInstallDirs::locate(bin, "CtrlInfo.rpt"), prefix.filePath(expected + "/CtrlInfo.rpt"));
        QCOMPARE(TInstallDirs::dataDirectories(bin).value(0), prefix.filePath("share/velm-tarvikon"));
        QCOMPARE(TInstallDirs::dataDirectories(bin).value(1), TInstallDirs::dataDirectory());
    }
};

QTEST_GUILESS_MAIN(tst_TAppSettings)
#include "tst_TAppSettings.moc"
