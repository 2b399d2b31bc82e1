// The command line end to end: the vtrk binary in a process of its own, the simulator on a
// pseudo-terminal mapped to COM7, results read back from the standard output and the files.
#include "controller/TControllerExchange.h"
#include "controller/TKeySlotWire.h"
#include "tests/cli/TJsonSchemaCheck.h"
#include "tests/cli/TVtrkEnvironment.h"
#include "tools/ctrlsim/TControllerSim.h"
#include "tools/ctrlsim/TPtyController.h"

#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>
#include <sys/time.h>
#include <sys/wait.h>

namespace {
using Fault = TControllerSim::Fault;
using Form = TControllerSim::Form;

// Generous: a loaded machine may be slow, but a hang must still end the test.
constexpr int RunDeadlineMs = 120000;

QByteArray KeyListBytes(const QString& path) {
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// The document as a script reads it: without the fields the schema calls human text.
QJsonValue withoutHumanText(const QJsonValue& value) {
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue& item : value.toArray())
            array.append(withoutHumanText(item));
        return array;
    }
    if (!value.isObject())
        return value;
    QJsonObject object = value.toObject();
    for (const char* human : {"message", "reason", "text"})
        object.remove(QLatin1String(human));
    for (auto field = object.begin(); field != object.end(); ++field)
        field.value() = withoutHumanText(field.value());
    return object;
}

QByteArray withoutHumanText(const QJsonDocument& document) {
    const QJsonValue value =
        document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
    const QJsonValue kept = withoutHumanText(value);
    return kept.isArray() ? QJsonDocument(kept.toArray()).toJson() : QJsonDocument(kept.toObject()).toJson();
}

struct TRun {
    int code = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};
} // namespace

class tst_vtrk : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void shouldAnswerUsageErrorsWithExitCode2_data();
    void shouldAnswerUsageErrorsWithExitCode2();
    void shouldHelpAndTellItsVersion_data();
    void shouldHelpAndTellItsVersion();
    void shouldListTheMappedPort();
    void shouldShowTheControllerInformation_data();
    void shouldShowTheControllerInformation();
    void shouldFailWithExitCode3OnAPortItCannotUse_data();
    void shouldFailWithExitCode3OnAPortItCannotUse();
    void shouldRefuseAnotherFirmwareWithExitCode5_data();
    void shouldRefuseAnotherFirmwareWithExitCode5();
    void shouldReadTheWholeControllerIntoAKeyList();
    void shouldNameTheSlotsItCouldNotRead();
    void shouldWriteNoFileWhenTheControllerFallsSilent();
    void shouldStopOnInterruptAndWriteNoFile();
    void shouldEndEveryCommandOnAStopAskedForBeforeItsEnd();
    void shouldWriteAKeyListOnlyWhenConfirmed();
    void shouldWarnAsTheWindowBeforeWritingAListWithoutAMasterKey();
    void shouldRefuseFilesThatAreNotKeyLists_data();
    void shouldRefuseFilesThatAreNotKeyLists();
    void shouldCountLineTestCycles_data();
    void shouldCountLineTestCycles();
    void shouldExportAndImportCsv_data();
    void shouldExportAndImportCsv();
    void shouldImportOntoAnExistingListOnlyWhenTold_data();
    void shouldImportOntoAnExistingListOnlyWhenTold();
    void shouldRefuseCsvItCannotUse_data();
    void shouldRefuseCsvItCannotUse();
    void shouldCompareTheListWithTheController_data();
    void shouldCompareTheListWithTheController();
    void shouldKeepAHistoryOfReads();
    void shouldShowControlCharactersFromControllersAndFilesEscaped();
    void shouldSweepTheWorkFoldersOfKilledRuns();
    void shouldWriteOnlyWhatDiffers_data();
    void shouldWriteOnlyWhatDiffers();
    void shouldWriteAnotherControllerOnlyWhenToldAndNameEverySlotOnAStop();
    void shouldPrintTheDocumentedJsonForEveryCommand();
    void shouldSpeakTheDesktopsLanguageAndKeepItsJson_data();
    void shouldSpeakTheDesktopsLanguageAndKeepItsJson();

private:
    // pendingSignal: raised in vtrk's process before it starts, held back until vtrk takes it.
    TRun vtrk(const QStringList& arguments, const std::function<void(QProcess&)>& whileRunning = {},
              int pendingSignal = 0);
    QString file(const QString& name) const { return dir.filePath(name); }
    void fillController(unsigned seed);
    // Every slot of the list shown by "show --json" against the simulator's slots.
    QString mismatch(const QJsonObject& shown);
    int requestsFor(int command);
    // The key-list files in the controller history, of every controller.
    int snapshotCount() const;

    TControllerSim sim;
    TPtyController line{sim};
    QTemporaryDir dir;
    QTemporaryDir dataHome; // the snapshots of the controller history
    QList<std::uint8_t> commandsSeen;
    // The controller stops answering after this many slave-key requests (-1: never).
    int silentAfter = -1;
    int writes = 0; // key-slot and information writes
    // The desktop's LANG for the next runs of vtrk; empty: English, whatever this desktop speaks.
    QByteArray desktopLanguage;
};

void tst_vtrk::initTestCase() {
    std::string error;
    QVERIFY2(line.Start(error), error.c_str());
    qputenv("VTRK_COM7", QByteArray::fromStdString(line.DevicePath()));
    qunsetenv("VTRK_COM9");
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    line.onRequest = [this](const TControllerSim::Bytes& request, const TControllerSim::Answer&) {
        if (request.size() > 4 && request[3] >= 0xC0 && request[3] <= 0xC2 && request[4] == 0x00)
            ++writes;
        if (request.size() > 3)
            commandsSeen.append(request[3]);
        if (silentAfter >= 0 && commandsSeen.count(0xC1) == silentAfter)
            sim.SetFault(0xC1, Form::Any, Fault::NoAnswer);
    };
}

void tst_vtrk::init() {
    // The simulator needs no pause between frames; a few cases keep the real one, to see the
    // whole program at the controller's own pace.
    const QByteArrayList realTiming{"shouldReadTheWholeControllerIntoAKeyList",
                                    "shouldStopOnInterruptAndWriteNoFile",
                                    "shouldWriteAnotherControllerOnlyWhenToldAndNameEverySlotOnAStop"};
    if (realTiming.contains(QTest::currentTestFunction()))
        qunsetenv("VTRK_TEST_PAUSE_PERCENT");
    else
        qputenv("VTRK_TEST_PAUSE_PERCENT", "10");
    std::lock_guard<std::mutex> hold(line.Lock());
    sim = TControllerSim();
    commandsSeen.clear();
    silentAfter = -1;
    writes = 0;
    desktopLanguage.clear();
    QDir(dir.path()).removeRecursively();
    QDir().mkpath(dir.path());
    QDir(dataHome.path()).removeRecursively();
    QDir().mkpath(dataHome.path());
}

void tst_vtrk::cleanupTestCase() {
    line.Stop();
}

TRun tst_vtrk::vtrk(const QStringList& arguments, const std::function<void(QProcess&)>& whileRunning,
                    int pendingSignal) {
    QProcess process;
    process.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/vtrk"));
    process.setArguments(arguments);
    process.setProcessEnvironment(TVtrkEnvironment::Of(desktopLanguage));
    process.setStandardInputFile(QProcess::nullDevice());
    if (pendingSignal != 0) {
        // Blocked and raised in the child: the signal waits for vtrk to take it, which makes a
        // stop asked for before the command's end without racing the process's start.
        process.setChildProcessModifier([pendingSignal] {
            sigset_t held;
            sigemptyset(&held);
            sigaddset(&held, pendingSignal);
            sigprocmask(SIG_BLOCK, &held, nullptr);
            raise(pendingSignal);
        });
    }
    process.start();
    TRun run;
    if (!process.waitForStarted())
        return run;
    if (whileRunning)
        whileRunning(process);
    if (!process.waitForFinished(RunDeadlineMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

int tst_vtrk::requestsFor(int command) {
    std::lock_guard<std::mutex> hold(line.Lock());
    return int(commandsSeen.count(std::uint8_t(command)));
}

int tst_vtrk::snapshotCount() const {
    int count = 0;
    QDirIterator files(dataHome.path(), {QStringLiteral("*.dbf")}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        files.next();
        ++count;
    }
    return count;
}

void tst_vtrk::fillController(unsigned seed) {
    std::lock_guard<std::mutex> hold(line.Lock());
    QRandomGenerator random(seed);
    auto fill = [&](auto& table, int slotCount) {
        for (int i = 0; i < slotCount; ++i) {
            const QString code = QStringLiteral("%1%2")
                                     .arg(random.bounded(0x1000000), 6, 16, QLatin1Char('0'))
                                     .arg(random.bounded(0x1000000), 6, 16, QLatin1Char('0'))
                                     .toUpper();
            table[i] = random.bounded(3) == 0 ? TControllerSim::EmptySlot(i)
                                              : TControllerSim::ActiveSlot(i, code.toStdString(),
                                                                           "Key " + std::to_string(i * 7));
        }
    };
    fill(sim.master, TControllerSim::MasterSlots);
    fill(sim.slave, TControllerSim::SlaveSlots);
}

QString tst_vtrk::mismatch(const QJsonObject& shown) {
    std::lock_guard<std::mutex> hold(line.Lock());
    for (const bool master : {true, false}) {
        const QJsonArray keys =
            shown.value(master ? QStringLiteral("master") : QStringLiteral("slave")).toArray();
        const int slotCount = master ? TControllerSim::MasterSlots : TControllerSim::SlaveSlots;
        if (keys.size() != slotCount)
            return QStringLiteral("%1 keys shown").arg(keys.size());
        for (int slot = 0; slot < slotCount; ++slot) {
            TFrame reply;
            reply.fill(0xFF);
            const auto& record = master ? sim.master[slot] : sim.slave[slot];
            std::copy(record.begin(), record.end(), reply.begin() + 5);
            const TKeySlot held = DecodeSlot(reply, slot, master ? QStringLiteral("M") : QStringLiteral("S"));
            const QJsonObject key = keys[slot].toObject();
            if (key[QStringLiteral("active")].toBool() != held.active ||
                key[QStringLiteral("code")].toString() != held.keyCode ||
                key[QStringLiteral("note")].toString() != held.memo ||
                key[QStringLiteral("type")].toString() != held.keyType)
                return QStringLiteral("slot %1 %2: shown %3 %4, controller %5 %6")
                    .arg(held.keyType)
                    .arg(slot)
                    .arg(key[QStringLiteral("code")].toString(), key[QStringLiteral("note")].toString(),
                         held.keyCode, held.memo);
        }
    }
    return QString();
}

void tst_vtrk::shouldAnswerUsageErrorsWithExitCode2_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no command") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"erase", "COM7"};
    QTest::newRow("unknown option") << QStringList{"info", "COM7", "--colour"};
    QTest::newRow("port missing") << QStringList{"info"};
    QTest::newRow("port not a number") << QStringList{"info", "COMX"};
    QTest::newRow("port out of range") << QStringList{"info", "COM51"};
    QTest::newRow("extra argument") << QStringList{"info", "COM7", "more"};
    QTest::newRow("read without output") << QStringList{"read", "COM7"};
    QTest::newRow("write without file") << QStringList{"write", "COM7"};
    QTest::newRow("linetest count not a number") << QStringList{"linetest", "COM7", "-n", "many"};
    QTest::newRow("linetest count zero") << QStringList{"linetest", "COM7", "-n", "0"};
    QTest::newRow("show without file") << QStringList{"show"};
    QTest::newRow("diff without file") << QStringList{"diff", "COM7"};
    QTest::newRow("sync without file") << QStringList{"sync", "COM7"};
    QTest::newRow("history of two serial numbers") << QStringList{"history", "VT000417", "VT000418"};
    QTest::newRow("export without file") << QStringList{"export"};
    QTest::newRow("import without output") << QStringList{"import", "keys.csv"};
}

void tst_vtrk::shouldAnswerUsageErrorsWithExitCode2() {
    QFETCH(QStringList, arguments);
    const TRun run = vtrk(arguments);
    QCOMPARE(run.code, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.startsWith("vtrk: "), run.err.constData());
    // A usage error never reaches the controller.
    QCOMPARE(requestsFor(0x99), 0);
}

void tst_vtrk::shouldHelpAndTellItsVersion_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
    QTest::newRow("version") << QStringList{"--version"} << "vtrk (VELM Tarvikon) 1.0.0.1";
    QTest::newRow("help") << QStringList{"--help"} << "linetest";
    for (const char* command : {"ports", "info", "read", "write", "linetest", "show", "export", "import",
                                "diff", "sync", "history"})
        QTest::newRow(command) << QStringList{command, "--help"}
                               << QStringLiteral("Usage: vtrk %1 [options]").arg(command);
    QTest::newRow("read options") << QStringList{"read", "-h"} << "--output <file>";
    QTest::newRow("import columns") << QStringList{"import", "--help"} << "keycode, key code";
    QTest::newRow("import code forms") << QStringList{"import", "--help"} << "(01.2BC5FB000000, as owfs";
}

void tst_vtrk::shouldHelpAndTellItsVersion() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    const TRun run = vtrk(arguments);
    QCOMPARE(run.code, 0);
    QVERIFY2(run.out.contains(expected.toUtf8()), run.out.constData());
    QVERIFY(run.err.isEmpty());
    // Qt's own options mean nothing to a vtrk user.
    QVERIFY2(!run.out.contains("help-all") && !run.out.contains("Qt"), run.out.constData());
}

void tst_vtrk::shouldListTheMappedPort() {
    const TRun run = vtrk({"ports", "--json"});
    QCOMPARE(run.code, 0);
    const QJsonArray ports = QJsonDocument::fromJson(run.out).array();
    QJsonObject com7;
    for (const QJsonValue& port : ports) {
        if (port[QStringLiteral("number")].toInt() == 7)
            com7 = port.toObject();
    }
    QCOMPARE(com7[QStringLiteral("port")].toString(), QStringLiteral("COM7"));
    QCOMPARE(com7[QStringLiteral("device")].toString(), QString::fromStdString(line.DevicePath()));
    const TRun text = vtrk({"ports"});
    QCOMPARE(text.code, 0);
    QVERIFY(text.out.contains("COM7    " + QByteArray::fromStdString(line.DevicePath())));
}

void tst_vtrk::shouldShowTheControllerInformation_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("COM7") << QStringList{"info", "COM7", "--json"};
    QTest::newRow("number alone, lower case") << QStringList{"info", "com7", "--json"};
    QTest::newRow("device path") << QStringList{"info", "--json", "--port", "@pty"};
    QTest::newRow("device path as the port") << QStringList{"info", "@pty", "--json"};
}

void tst_vtrk::shouldShowTheControllerInformation() {
    QFETCH(QStringList, arguments);
    arguments.replaceInStrings(QStringLiteral("@pty"), QString::fromStdString(line.DevicePath()));
    const TRun run = vtrk(arguments);
    QCOMPARE(run.code, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    const QJsonObject info = run.json();
    QCOMPARE(info[QStringLiteral("versionCode")].toString(), QStringLiteral("TARVK001"));
    QCOMPARE(info[QStringLiteral("programVersion")].toString(), QStringLiteral("VELM Tarvikon v.1.0"));
    QCOMPARE(info[QStringLiteral("serial")].toString(), QStringLiteral("VT000417"));
    QCOMPARE(info[QStringLiteral("info")].toString(), QStringLiteral("Main entrance"));
    QCOMPARE(info[QStringLiteral("maxSlaveKeys")].toInt(-1), 128);
    // The port is named as it was given.
    QCOMPARE(info[QStringLiteral("port")].toString(),
             arguments.contains(QStringLiteral("--port")) || arguments.value(1).startsWith(QLatin1Char('/'))
                 ? QString::fromStdString(line.DevicePath())
                 : QStringLiteral("COM7"));
    QCOMPARE(info[QStringLiteral("keyType")].toString(), QStringLiteral("Dallas Touch Memory DS-1990A"));

    const TRun text = vtrk({"info", "COM7"});
    QCOMPARE(text.code, 0);
    QVERIFY2(text.out.contains("Controller S/N:          VT000417\n"), text.out.constData());
}

void tst_vtrk::shouldFailWithExitCode3OnAPortItCannotUse_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no device behind the path") << QStringList{"info", "--port", "/dev/vtrk-no-such-device"};
    QTest::newRow("unmapped number") << QStringList{"read", "COM49", "-o", "@list"};
    QTest::newRow("no answer") << QStringList{"info", "COM7"};
    QTest::newRow("line test, no device") << QStringList{"linetest", "/dev/vtrk-no-such-device"};
}

void tst_vtrk::shouldFailWithExitCode3OnAPortItCannotUse() {
    QFETCH(QStringList, arguments);
    arguments.replaceInStrings(QStringLiteral("@list"), file(QStringLiteral("site.dbf")));
    {
        std::lock_guard<std::mutex> hold(line.Lock());
        sim.SetFault(0x99, Form::Any, Fault::NoAnswer);
    }
    const TRun run = vtrk(arguments);
    QCOMPARE(run.code, 3);
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(file(QStringLiteral("site.dbf"))));
}

void tst_vtrk::shouldRefuseAnotherFirmwareWithExitCode5_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("info") << "info";
    QTest::newRow("read") << "read";
    QTest::newRow("write") << "write";
}

void tst_vtrk::shouldRefuseAnotherFirmwareWithExitCode5() {
    QFETCH(QString, command);
    const QString list = file(QStringLiteral("site.dbf"));
    if (command == QLatin1String("write"))
        QCOMPARE(vtrk({"read", "COM7", "-o", list}).code, 0);
    {
        std::lock_guard<std::mutex> hold(line.Lock());
        sim.version = "TARVK002";
        commandsSeen.clear();
    }
    QStringList arguments{command, "COM7"};
    if (command == QLatin1String("read"))
        arguments << "-o" << list;
    if (command == QLatin1String("write"))
        arguments << list << "--yes";
    const TRun run = vtrk(arguments);
    QCOMPARE(run.code, 5);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains("Controller version code: \"TARVK002\""), run.err.constData());
    QCOMPARE(QFile::exists(list), command == QLatin1String("write"));
    QCOMPARE(requestsFor(0xC0) + requestsFor(0xC1) + requestsFor(0xC2), 0);
}

void tst_vtrk::shouldReadTheWholeControllerIntoAKeyList() {
    fillController(7);
    const QString list = file(QStringLiteral("site.dbf"));
    const TRun read = vtrk({"read", "COM7", "-o", list, "--json"});
    QCOMPARE(read.code, 0);
    QCOMPARE(read.json()[QStringLiteral("serial")].toString(), QStringLiteral("VT000417"));
    QCOMPARE(read.json()[QStringLiteral("failed")].toObject()[QStringLiteral("slave")].toArray().size(), 0);
    const TRun shown = vtrk({"show", list, "--json"});
    QCOMPARE(shown.code, 0);
    QCOMPARE(shown.json()[QStringLiteral("serial")].toString(), QStringLiteral("VT000417"));
    QCOMPARE(shown.json()[QStringLiteral("info")].toString(), QStringLiteral("Main entrance"));
    QCOMPARE(mismatch(shown.json()), QString());
    // Nothing but the list is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"site.dbf"});
    const TRun table = vtrk({"show", list});
    QVERIFY2(table.out.contains("Controller Info: Main entrance\n"), table.out.constData());
}

void tst_vtrk::shouldNameTheSlotsItCouldNotRead() {
    {
        std::lock_guard<std::mutex> hold(line.Lock());
        // Slave slot 0 gets five bad replies: all its attempts fail, the rest of the table is read.
        sim.SetFault(0xC1, Form::Read, Fault::BadChecksum, TControllerExchange::Attempts);
    }
    const QString list = file(QStringLiteral("site.dbf"));
    const TRun run = vtrk({"read", "COM7", "-o", list, "--json"});
    QCOMPARE(run.code, 1);
    const QJsonObject failed = run.json()[QStringLiteral("failed")].toObject();
    QCOMPARE(failed[QStringLiteral("master")].toArray(), QJsonArray());
    // Named by the record's "#", which a new list numbers from 1.
    QCOMPARE(failed[QStringLiteral("slave")].toArray(), QJsonArray{1});
    QVERIFY2(run.err.contains("slave keys #1"), run.err.constData());
    QVERIFY2(run.err.contains("marked <UNREAD>"), run.err.constData());
    QVERIFY(QFile::exists(list));
    // The backup says which slot it does not know, and no restore ever takes it for an empty one.
    const QJsonObject slot =
        vtrk({"show", list, "--json"}).json()[QStringLiteral("slave")].toArray()[0].toObject();
    QCOMPARE(slot[QStringLiteral("code")].toString(), QStringLiteral("<UNREAD>"));
    QCOMPARE(slot[QStringLiteral("unread")].toBool(), true);
    QCOMPARE(vtrk({"diff", "COM7", list}).out.contains("<UNREAD>"), true);
    writes = 0;
    for (const char* command : {"sync", "write"}) {
        const TRun refused = vtrk({command, "COM7", list, "--yes"});
        QCOMPARE(refused.code, 4);
        QVERIFY2(refused.err.contains("Slave key slot #1 was not read; read again."),
                 refused.err.constData());
    }
    QCOMPARE(writes, 0);
}

void tst_vtrk::shouldWriteNoFileWhenTheControllerFallsSilent() {
    const QString list = file(QStringLiteral("site.dbf"));
    QFile old(list);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("the backup of yesterday");
    old.close();
    {
        std::lock_guard<std::mutex> hold(line.Lock());
        silentAfter = 40;
    }
    const TRun run = vtrk({"read", "COM7", "-o", list});
    QCOMPARE(run.code, 3);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains("stopped"), run.err.constData());
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("the backup of yesterday"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"site.dbf"});
}

void tst_vtrk::shouldStopOnInterruptAndWriteNoFile() {
    const QString list = file(QStringLiteral("site.dbf"));
    const TRun run = vtrk({"read", "COM7", "-o", list}, [this](QProcess& process) {
        QTRY_VERIFY_WITH_TIMEOUT(requestsFor(0xC1) >= 3, RunDeadlineMs);
        ::kill(pid_t(process.processId()), SIGINT);
    });
    QCOMPARE(run.code, 130);
    QVERIFY(requestsFor(0xC1) < TControllerSim::SlaveSlots);
    QVERIFY(!QFile::exists(list));
    QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    // The port was closed on the way out: the next command opens it.
    QCOMPARE(vtrk({"info", "COM7"}).code, 0);
}

// Ctrl-C or SIGTERM before a command's end, outside the transfers: it ends interrupted with
// nothing on the standard output, and leaves no file behind.
void tst_vtrk::shouldEndEveryCommandOnAStopAskedForBeforeItsEnd() {
    fillController(8);
    const QString list = file(QStringLiteral("site.dbf"));
    QCOMPARE(vtrk({"read", "COM7", "-o", list}).code, 0);
    const QList<QStringList> commands{
        {"show", list}, {"show", list, "--json"}, {"history"},           {"history", "VT000417"},
        {"ports"},      {"info", "COM7"},         {"diff", "COM7", list}};
    for (const QStringList& command : commands) {
        for (const int signal : {SIGINT, SIGTERM}) {
            const TRun run = vtrk(command, {}, signal);
            const QByteArray what = command.join(QLatin1Char(' ')).toUtf8() + " on signal " +
                                    QByteArray::number(signal) + ": " + run.err;
            QVERIFY2(run.code == 130, what.constData());
            // Nothing of the command's result; with --json the error document alone.
            if (command.contains(QStringLiteral("--json")))
                QVERIFY2(run.json()[QStringLiteral("error")][QStringLiteral("exitCode")].toInt() == 130 &&
                             run.json().size() == 1,
                         what + run.out);
            else
                QVERIFY2(run.out.isEmpty(), what.constData());
            QVERIFY2(run.err.contains("interrupted") || run.err.contains("stopped"), what.constData());
        }
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"site.dbf"});
    QCOMPARE(snapshotCount(), 1);
    // Nothing was held on to: the port opens and the history still lists the read.
    QCOMPARE(vtrk({"history", "VT000417", "--json"}).code, 0);
}

// A list that would leave the controller without an active master key gets the window's
// warning; unanswered, not one frame goes out.
void tst_vtrk::shouldWarnAsTheWindowBeforeWritingAListWithoutAMasterKey() {
    fillController(31);
    {
        std::lock_guard<std::mutex> hold(line.Lock());
        for (int i = 0; i < TControllerSim::MasterSlots; ++i)
            sim.master[i] = TControllerSim::EmptySlot(i);
    }
    const QString list = file(QStringLiteral("no-master.dbf"));
    QCOMPARE(vtrk({"read", "COM7", "-o", list}).code, 0);
    {
        std::lock_guard<std::mutex> hold(line.Lock());
        commandsSeen.clear();
        writes = 0;
    }
    const QByteArray warning = "No active master key would remain";
    const TRun refused = vtrk({"write", "COM7", list});
    QCOMPARE(refused.code, 7);
    QVERIFY2(refused.err.contains(warning), refused.err.constData());
    QCOMPARE(requestsFor(0x99) + requestsFor(0xC0) + requestsFor(0xC1) + requestsFor(0xC2), 0);

    const TRun written = vtrk({"write", "COM7", list, "--yes"});
    QVERIFY2(written.code == 0, written.err.constData());
    QVERIFY2(written.err.contains(warning), written.err.constData());
    QVERIFY2(writes >= 8 + 128, QByteArray::number(writes).constData());
}

void tst_vtrk::shouldWriteAKeyListOnlyWhenConfirmed() {
    fillController(11);
    const QString list = file(QStringLiteral("site.dbf"));
    QCOMPARE(vtrk({"read", "COM7", "-o", list}).code, 0);
    const QJsonObject before = vtrk({"show", list, "--json"}).json();
    {
        std::lock_guard<std::mutex> hold(line.Lock());
        // Master slot 0 keeps what it holds: its write is refused five times below.
        const TControllerSim::SlotRecord kept = sim.master[0];
        sim.Clear();
        sim.master[0] = kept;
        commandsSeen.clear();
        writes = 0;
    }
    const TRun refused = vtrk({"write", "COM7", list});
    QCOMPARE(refused.code, 7);
    QVERIFY2(refused.err.contains("give --yes"), refused.err.constData());
    QCOMPARE(requestsFor(0xC2), 1); // the information read of the version gate, no write
    QCOMPARE(writes, 0);

    {
        std::lock_guard<std::mutex> hold(line.Lock());
        sim.SetFault(0xC0, Form::Write, Fault::WrongAck, TControllerExchange::Attempts);
    }
    const TRun written = vtrk({"write", "COM7", list, "--yes", "--json"});
    QVERIFY2(written.code == 1, written.err.constData());
    // Master slot 0 is "#1", as the grids, show and diff count it.
    QCOMPARE(written.json()[QStringLiteral("failed")].toObject()[QStringLiteral("master")].toArray(),
             QJsonArray{1});
    QCOMPARE(written.json()[QStringLiteral("slots")].toInt(), 135);
    QCOMPARE(written.json()[QStringLiteral("infoWritten")].toBool(), true);
    QCOMPARE(mismatch(before), QString());
    std::lock_guard<std::mutex> hold(line.Lock());
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(sim.info.data()), 14),
             QByteArray("Main entrance\0", 14));
}

void tst_vtrk::shouldRefuseFilesThatAreNotKeyLists_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("show, missing file") << "show" << QByteArray();
    QTest::newRow("show, not a table") << "show" << QByteArray("name;code\nfront;0123\n");
    QTest::newRow("write, not a table") << "write" << QByteArray(600, 'x');
    QTest::newRow("write, missing file") << "write" << QByteArray();
    QTest::newRow("read into a missing folder") << "read" << QByteArray();
}

void tst_vtrk::shouldRefuseFilesThatAreNotKeyLists() {
    QFETCH(QString, command);
    QFETCH(QByteArray, content);
    const QString list = file(QStringLiteral("list.dbf"));
    if (!content.isEmpty()) {
        QFile out(list);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(content);
    }
    QStringList arguments{"show", list};
    if (command == QLatin1String("write"))
        arguments = QStringList{"write", "COM7", list, "--yes"};
    if (command == QLatin1String("read"))
        arguments = QStringList{"read", "COM7", "-o", file(QStringLiteral("gone/site.dbf"))};
    const TRun run = vtrk(arguments);
    QCOMPARE(run.code, 4);
    QVERIFY(run.out.isEmpty());
    // The message names the file.
    QVERIFY2(run.err.contains(command == QLatin1String("read") ? "gone/site.dbf" : "list.dbf"),
             run.err.constData());
    QCOMPARE(requestsFor(0x99), 0);
}

void tst_vtrk::shouldCountLineTestCycles_data() {
    QTest::addColumn<int>("unanswered");
    QTest::addColumn<int>("code");
    QTest::newRow("all acknowledged") << 0 << 0;
    QTest::newRow("two unanswered") << 2 << 1;
}

void tst_vtrk::shouldCountLineTestCycles() {
    QFETCH(int, unanswered);
    QFETCH(int, code);
    if (unanswered > 0) {
        std::lock_guard<std::mutex> hold(line.Lock());
        sim.SetFault(TControllerSim::LineTest, Form::Any, Fault::NoAnswer, unanswered);
    }
    const TRun run = vtrk({"linetest", "COM7", "-n", "6", "--json"});
    QCOMPARE(run.code, code);
    const QJsonObject counts = run.json();
    QCOMPARE(counts[QStringLiteral("cycles")].toInt(), 6);
    QCOMPARE(counts[QStringLiteral("acknowledged")].toInt(), 6 - unanswered);
    QCOMPARE(counts[QStringLiteral("unacknowledged")].toInt(), unanswered);
}

void tst_vtrk::shouldExportAndImportCsv_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArrayList>("refused");
    QTest::addColumn<QByteArrayList>("rows");
    // An empty csv: the list read from the controller, exported.
    QTest::newRow("from the controller") << QByteArray() << 0 << QByteArrayList() << QByteArrayList();
    QTest::newRow("spreadsheet with refused rows")
        << QByteArray("\xEF\xBB\xBFtype;slot;key;name\r\n"
                      "M;0;66 000000FBC52B 01;Caretaker\r\n"
                      "S;;01.4AEC29CDBAAB;\"Flat 1; left\"\r\n"
                      "S;;012BC5FB00000067;Flat 2\r\n"
                      "S;;4AEC29CDBAAB;Flat 3\r\n")
        << 1
        << QByteArrayList{"vtrk: line 4: The key number 012BC5FB00000067 fails",
                          "vtrk: line 5: the key 4AEC29CDBAAB is a duplicate of line 3"}
        << QByteArrayList{"M,1,0,2BC5FB000000,66 000000FBC52B 01,yes,Caretaker,<unknown>,<unknown>\r",
                          "S,1,0,4AEC29CDBAAB,B6 ABBACD29EC4A 01,yes,\"Flat 1; left\",<unknown>,<unknown>\r"};
    QTest::newRow("quotes and line breaks in notes")
        << QByteArray("code,note,active\n2BC5FB000000,\"Say \"\"hi\"\",\nthen go\",no\n") << 0
        << QByteArrayList()
        << QByteArrayList{
               "S,1,0,2BC5FB000000,66 000000FBC52B 01,no,\"Say \"\"hi\"\",\nthen go\",<unknown>,<unknown>\r"};
    QTest::newRow("spreadsheet formulas, blanks, German header")
        << QByteArray("Schl\xC3\xBCssel;Notiz;Aktiv\r\n2BC5FB000000;  =2+2;ja\r\n4AEC29CDBAAB;-1;nein\r\n")
        << 0 << QByteArrayList()
        << QByteArrayList{"S,1,0,2BC5FB000000,66 000000FBC52B 01,yes,\"  =2+2\",<unknown>,<unknown>\r",
                          "S,2,1,4AEC29CDBAAB,B6 ABBACD29EC4A 01,no,'-1,<unknown>,<unknown>\r"};
}

// A CSV becomes a list (refused rows named, the rest written), and that list exported, imported
// into a new list and exported again gives the same bytes.
void tst_vtrk::shouldExportAndImportCsv() {
    QFETCH(QByteArray, csv);
    QFETCH(int, code);
    QFETCH(QByteArrayList, refused);
    QFETCH(QByteArrayList, rows);
    const QString list = file(QStringLiteral("site.dbf"));
    if (csv.isEmpty()) {
        fillController(5);
        QCOMPARE(vtrk({"read", "COM7", "-o", list}).code, 0);
    } else {
        QFile in(file(QStringLiteral("tenants.csv")));
        QVERIFY(in.open(QIODevice::WriteOnly));
        in.write(csv);
        in.close();
        const TRun import = vtrk({"import", in.fileName(), "-o", list, "--json"});
        QCOMPARE(import.code, code);
        const QByteArrayList errors =
            import.err.isEmpty() ? QByteArrayList() : import.err.trimmed().split('\n');
        QCOMPARE(errors.size(), refused.size());
        for (int i = 0; i < refused.size(); ++i)
            QVERIFY2(errors[i].startsWith(refused[i]), errors[i].constData());
        QCOMPARE(import.json()[QStringLiteral("rejected")].toArray().size(), refused.size());
    }
    const TRun exported = vtrk({"export", list});
    QCOMPARE(exported.code, 0);
    QVERIFY(exported.out.startsWith("type,#,slot,code,engraved,active,note,serial,info\r\n"));
    for (const QByteArray& row : rows)
        QVERIFY2(exported.out.contains("\n" + row + "\n"), exported.out.left(400).constData());
    if (csv.isEmpty())
        QCOMPARE(exported.out.count("\r\n"), 1 + TControllerSim::MasterSlots + TControllerSim::SlaveSlots);

    QFile again(file(QStringLiteral("again.csv")));
    QVERIFY(again.open(QIODevice::WriteOnly));
    again.write(exported.out);
    again.close();
    const QString copy = file(QStringLiteral("copy.dbf"));
    const TRun reimport = vtrk({"import", again.fileName(), "-o", copy});
    QVERIFY2(reimport.code == 0, reimport.err.constData());
    if (csv.isEmpty()) {
        // A read numbers its records ("#") as the controller's slots, a new list from 1: the
        // slots themselves must be the controller's, and so must serial number and information.
        const QJsonObject shown = vtrk({"show", copy, "--json"}).json();
        QCOMPARE(mismatch(shown), QString());
        const QJsonObject original = vtrk({"show", list, "--json"}).json();
        for (const char* key : {"serial", "info"}) {
            QVERIFY(!shown[QLatin1String(key)].toString().contains(QLatin1String("unknown")));
            QCOMPARE(shown[QLatin1String(key)], original[QLatin1String(key)]);
        }
        return;
    }
    const QString written = file(QStringLiteral("written.csv"));
    QCOMPARE(vtrk({"export", copy, "-o", written}).code, 0);
    QFile back(written);
    QVERIFY(back.open(QIODevice::ReadOnly));
    QCOMPARE(back.readAll(), exported.out);
}

void tst_vtrk::shouldImportOntoAnExistingListOnlyWhenTold_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("codes"); // the slave codes of the list afterwards, "" where it is unchanged
    QTest::addColumn<QByteArray>("said");
    const QByteArray good = "code,note\n4AEC29CDBAAB,new\n";
    QTest::newRow("exists, not told") << QStringList() << good << 2 << QString() << QByteArray("--replace");
    QTest::newRow("replaced") << QStringList{"--replace"} << good << 0 << "4AEC29CDBAAB" << QByteArray();
    QTest::newRow("merged as the window does")
        << QStringList{"--merge"} << good << 0 << "2BC5FB000000 4AEC29CDBAAB" << QByteArray();
    QTest::newRow("every row refused, control characters escaped")
        << QStringList{"--replace"} << QByteArray("type,code\n\x1b]0;owned\x07,4AEC29CDBAAB\n") << 1
        << QString() << QByteArray("line 2: the type \"\\x1b]0;OWNED\\x07\"");
    QTest::newRow("merged, the same key again")
        << QStringList{"--merge"} << QByteArray("code\n2BC5FB000000\n") << 1 << QString()
        << QByteArray("already in the list");
}

// An existing key list is replaced or merged into only when asked, and never by a file whose every
// row is refused; refused text reaches the terminal escaped.
void tst_vtrk::shouldImportOntoAnExistingListOnlyWhenTold() {
    QFETCH(QStringList, options);
    QFETCH(QByteArray, csv);
    QFETCH(int, code);
    QFETCH(QString, codes);
    QFETCH(QByteArray, said);
    const QString list = file(QStringLiteral("site.dbf"));
    QFile first(file(QStringLiteral("first.csv")));
    QVERIFY(first.open(QIODevice::WriteOnly) && first.write("code,serial\n2BC5FB000000,0815\n") > 0);
    first.close();
    QCOMPARE(vtrk({"import", first.fileName(), "-o", list}).code, 0);
    const QByteArray before = KeyListBytes(list);
    QFile in(file(QStringLiteral("keys.csv")));
    QVERIFY(in.open(QIODevice::WriteOnly) && in.write(csv) == csv.size());
    in.close();
    const TRun run = vtrk(QStringList{"import", in.fileName(), "-o", list} + options);
    QCOMPARE(run.code, code);
    QVERIFY2(run.err.contains(said), run.err.constData());
    QVERIFY2(!run.err.contains('\x1b') && !run.err.contains('\x07'), run.err.constData());
    if (codes.isEmpty()) {
        QCOMPARE(KeyListBytes(list), before);
        return;
    }
    const QJsonObject shown = vtrk({"show", list, "--json"}).json();
    QStringList held;
    for (const QJsonValue key : shown[QStringLiteral("slave")].toArray())
        if (key[QStringLiteral("code")].toString() != QLatin1String("<EMPTY>"))
            held << key[QStringLiteral("code")].toString();
    QCOMPARE(held.join(QLatin1Char(' ')), codes);
    // Merged, the list keeps its controller; replaced, it takes the file's (none here).
    QCOMPARE(shown[QStringLiteral("serial")].toString(), options.contains(QStringLiteral("--merge"))
                                                             ? QStringLiteral("0815")
                                                             : QStringLiteral("<unknown>"));
}

void tst_vtrk::shouldRefuseCsvItCannotUse_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("said");
    QTest::newRow("import of a missing file")
        << QStringList{"import", "@dir/none.csv", "-o", "@dir/site.dbf"} << QByteArray("none.csv");
    QTest::newRow("import of a file without a code column")
        << QStringList{"import", "@dir/plain.csv", "-o", "@dir/site.dbf"} << QByteArray("code");
    QTest::newRow("import into a missing folder")
        << QStringList{"import", "@dir/keys.csv", "-o", "@dir/gone/site.dbf"} << QByteArray("gone/site.dbf");
    QTest::newRow("export of a file that is no key list")
        << QStringList{"export", "@dir/plain.csv"} << QByteArray("plain.csv");
    QTest::newRow("export into a missing folder")
        << QStringList{"export", "@dir/list.dbf", "-o", "@dir/gone/keys.csv"} << QByteArray("gone/keys.csv");
}

// A file error is exit code 4 and names the file; nothing is left behind.
void tst_vtrk::shouldRefuseCsvItCannotUse() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, said);
    for (const auto& [name, bytes] :
         {std::pair<const char*, QByteArray>{"plain.csv", "name;memo\nfront;x\n"},
          std::pair<const char*, QByteArray>{"keys.csv", "code\n2BC5FB000000\n"}}) {
        QFile out(file(QString::fromLatin1(name)));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    QCOMPARE(vtrk({"import", file(QStringLiteral("keys.csv")), "-o", file(QStringLiteral("list.dbf"))}).code,
             0);
    const QStringList before =
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    arguments.replaceInStrings(QStringLiteral("@dir"), dir.path());
    const TRun run = vtrk(arguments);
    QCOMPARE(run.code, 4);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(said), run.err.constData());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
}

void tst_vtrk::shouldCompareTheListWithTheController_data() {
    QTest::addColumn<int>("slot");     // the slave slot changed in the controller, -1 for none
    QTest::addColumn<QString>("held"); // what the controller then holds there: a code, or empty
    QTest::addColumn<QString>("kind");
    QTest::newRow("nothing differs") << -1 << QString() << QString();
    QTest::newRow("code changed") << 3 << "0123456789AB"
                                  << "code changed";
    QTest::newRow("key removed from the list") << 5 << "A1B2C3D4E5F6"
                                               << "key removed";
    QTest::newRow("key missing in the controller") << 9 << QString() << "key added";
}

// The controller is read whole, kept as a snapshot and compared slot by slot; the list is not
// changed, and the exit code says whether anything differs.
void tst_vtrk::shouldCompareTheListWithTheController() {
    QFETCH(int, slot);
    QFETCH(QString, held);
    QFETCH(QString, kind);
    {
        std::lock_guard<std::mutex> hold(line.Lock());
        sim.Clear();
        for (int i = 0; i < TControllerSim::SlaveSlots; i += 3)
            sim.slave[i] = TControllerSim::ActiveSlot(
                i, QStringLiteral("%1").arg(i, 12, 10, QLatin1Char('0')).toStdString(),
                "Flat " + std::to_string(i));
    }
    const QString list = file(QStringLiteral("site.dbf"));
    QCOMPARE(vtrk({"read", "COM7", "-o", list}).code, 0);
    const QByteArray listBytes = [&] {
        QFile in(list);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }();
    if (slot >= 0) {
        std::lock_guard<std::mutex> hold(line.Lock());
        sim.slave[slot] = held.isEmpty() ? TControllerSim::EmptySlot(slot)
                                         : TControllerSim::ActiveSlot(slot, held.toStdString(),
                                                                      "Flat " + std::to_string(slot));
    }
    const int before = snapshotCount();
    const TRun diff = vtrk({"diff", "COM7", list, "--json"});
    QCOMPARE(diff.code, slot < 0 ? 0 : 1);
    const QJsonArray rows = diff.json()[QStringLiteral("differences")].toArray();
    QCOMPARE(rows.size(), slot < 0 ? 0 : 1);
    if (slot >= 0) {
        QCOMPARE(rows[0][QStringLiteral("table")].toString(), QStringLiteral("slave"));
        QCOMPARE(rows[0][QStringLiteral("number")].toInt(), slot + 1);
        QCOMPARE(rows[0][QStringLiteral("kind")].toString(), kind);
        QCOMPARE(rows[0][QStringLiteral("controller")][QStringLiteral("code")].toString(), held);
        // show gives the key the "#" diff gives it, and a read stores that "#" as its RECID.
        const QJsonObject shown =
            vtrk({"show", list, "--json"}).json()[QStringLiteral("slave")].toArray()[slot].toObject();
        QCOMPARE(shown[QStringLiteral("number")].toInt(), rows[0][QStringLiteral("number")].toInt());
        QCOMPARE(shown[QStringLiteral("recid")].toInt(), slot + 1);
        QCOMPARE(shown[QStringLiteral("keyid")].toInt(), slot);
    }
    QCOMPARE(snapshotCount(), before + 1);
    QFile after(list);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), listBytes);
    QCOMPARE(writes, 0);
    if (slot != 3)
        return; // the text once: each run is a full read
    const TRun text = vtrk({"diff", "COM7", list});
    QVERIFY2(text.out.contains(slot < 0 ? "No differences" : "1 difference: 1 " + kind.toUtf8()),
             text.out.constData());
}

// Every read is kept in the history, newest first, with the slots changed since the one before.
void tst_vtrk::shouldKeepAHistoryOfReads() {
    QCOMPARE(vtrk({"history"}).out,
             "No controllers in " + dataHome.filePath("velm-tarvikon/controllers").toUtf8() + "\n");
    fillController(3);
    QCOMPARE(vtrk({"read", "COM7", "-o", file(QStringLiteral("first.dbf"))}).code, 0);
    int changed = 1; // slave slot 17, and the master slots that held a key
    {
        std::lock_guard<std::mutex> hold(line.Lock());
        changed += int(sim.master[2] != TControllerSim::EmptySlot(2)) +
                   int(sim.master[3] != TControllerSim::EmptySlot(3));
        sim.slave[17] = TControllerSim::ActiveSlot(17, "00000000C0DE", "New tenant");
        sim.master[2] = TControllerSim::EmptySlot(2);
        sim.master[3] = TControllerSim::EmptySlot(3);
    }
    QCOMPARE(vtrk({"read", "COM7", "-o", file(QStringLiteral("second.dbf"))}).code, 0);

    const TRun controllers = vtrk({"history", "--json"});
    QCOMPARE(controllers.code, 0);
    const QJsonArray known = QJsonDocument::fromJson(controllers.out).array();
    QCOMPARE(known.size(), 1);
    QCOMPARE(known[0][QStringLiteral("serial")].toString(), QStringLiteral("VT000417"));
    QCOMPARE(known[0][QStringLiteral("info")].toString(), QStringLiteral("Main entrance"));
    QCOMPARE(known[0][QStringLiteral("snapshots")].toInt(), 2);

    const TRun snapshots = vtrk({"history", "VT000417", "--json"});
    QCOMPARE(snapshots.code, 0);
    const QJsonArray list = QJsonDocument::fromJson(snapshots.out).array();
    QCOMPARE(list.size(), 2);
    QVERIFY(list[0][QStringLiteral("time")].toString() >= list[1][QStringLiteral("time")].toString());
    QCOMPARE(list[0][QStringLiteral("kind")].toString(), QStringLiteral("read"));
    QCOMPARE(list[0][QStringLiteral("tables")].toString(), QStringLiteral("both"));
    QCOMPARE(list[1][QStringLiteral("changedSlots")].toInt(), -1);
    QCOMPARE(list[0][QStringLiteral("changedSlots")].toInt(), changed);
    // The snapshot opens as a key list holding what the controller held.
    const TRun shown = vtrk({"show", list[0][QStringLiteral("file")].toString(), "--json"});
    QCOMPARE(mismatch(shown.json()), QString());

    const TRun unknown = vtrk({"history", "VT999999"});
    QCOMPARE(unknown.code, 4);
    QVERIFY2(unknown.err.contains("no snapshots of controller VT999999"), unknown.err.constData());
}

// Text from the controller, from a key list and from a file name reaches the terminal with its
// control characters escaped, as text and as JSON, which still holds the text as it was.
void tst_vtrk::shouldShowControlCharactersFromControllersAndFilesEscaped() {
    const QByteArray hostile("Door\x1b]0;owned\x07\x1b[2J\r", 19);
    {
        std::lock_guard<std::mutex> hold(line.Lock());
        sim.info.fill(0);
        std::copy(hostile.cbegin(), hostile.cend(), sim.info.begin());
    }
    const QString list = file(QStringLiteral("site.dbf"));
    QCOMPARE(vtrk({"read", "COM7", "-o", list}).code, 0);
    const QString missing = file(QStringLiteral("gone\x1b[2J.dbf"));
    const QList<QStringList> commands{
        {"info", "COM7"}, {"info", "COM7", "--json"}, {"show", list},   {"show", list, "--json"},
        {"history"},      {"history", "--json"},      {"show", missing}};
    for (const QStringList& command : commands) {
        const TRun run = vtrk(command);
        const QByteArray shown = run.out + run.err;
        const QByteArray what = command.join(QLatin1Char(' ')).toUtf8() + ": " + shown;
        for (int i = 0; i < shown.size(); ++i) {
            const uchar c = uchar(shown[i]);
            const bool c1 = c == 0xC2 && i + 1 < shown.size() && uchar(shown[i + 1]) >= 0x80 &&
                            uchar(shown[i + 1]) <= 0x9F;
            QVERIFY2(!((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F || c1), what.constData());
        }
        QVERIFY2(shown.contains("\\x1b") || shown.contains("\\u001b"), what.constData());
    }
    // Escaped on the way out only: the list and its JSON hold what the controller sent.
    const QString info = vtrk({"show", list, "--json"}).json()[QStringLiteral("info")].toString();
    QVERIFY2(info.startsWith(QString::fromLatin1(hostile.left(18))), qPrintable(info));
}

// A run killed outright leaves its work folder (a copy of the key list) in $TMPDIR; the next
// run removes it, and leaves alone what a running one holds and what is not vtrk's.
void tst_vtrk::shouldSweepTheWorkFoldersOfKilledRuns() {
    QTemporaryDir temp;
    const pid_t killed = ::fork();
    if (killed == 0)
        ::_exit(0);
    ::waitpid(killed, nullptr, 0);
    const QStringList names{QStringLiteral("vtrk-%1-Ab12Cd").arg(killed),
                            QStringLiteral("vtrk-%1-Ef34Gh").arg(::getpid()), QStringLiteral("vtrk-notes")};
    const time_t hourAgo = time(nullptr) - 3600;
    const struct timeval times[2] = {{hourAgo, 0}, {hourAgo, 0}};
    for (const QString& name : names) {
        QVERIFY(QDir(temp.path()).mkpath(name + QStringLiteral("/work")));
        QVERIFY(::utimes(QFile::encodeName(temp.filePath(name)).constData(), times) == 0);
    }
    const bool tempWasSet = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.path().toUtf8());
    const TRun run = vtrk({"show", file(QStringLiteral("missing.dbf"))});
    if (tempWasSet)
        qputenv("TMPDIR", oldTemp);
    else
        qunsetenv("TMPDIR");
    QCOMPARE(run.code, 4);
    QCOMPARE(QDir(temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             names.mid(1));
}

void tst_vtrk::shouldWriteOnlyWhatDiffers_data() {
    QTest::addColumn<int>("changed"); // slave slots changed in the controller after the list was read
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("dropWrites"); // the controller refuses every slave write
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("written"); // slave slot writes acknowledged and verified
    QTest::newRow("nothing differs") << 0 << true << false << 0 << 0;
    QTest::newRow("two slots differ") << 2 << true << false << 0 << 2;
    QTest::newRow("not confirmed") << 2 << false << false << 7 << 0;
    QTest::newRow("writes refused") << 1 << true << true << 1 << 0;
}

// Only the differing slots are written, each read back; a refused write is reported as failed,
// never as success, and the controller then still differs.
void tst_vtrk::shouldWriteOnlyWhatDiffers() {
    QFETCH(int, changed);
    QFETCH(bool, yes);
    QFETCH(bool, dropWrites);
    QFETCH(int, code);
    QFETCH(int, written);
    fillController(21);
    const QString list = file(QStringLiteral("site.dbf"));
    QCOMPARE(vtrk({"read", "COM7", "-o", list}).code, 0);
    const QJsonObject wanted = vtrk({"show", list, "--json"}).json();
    {
        std::lock_guard<std::mutex> hold(line.Lock());
        for (int i = 0; i < changed; ++i)
            sim.slave[40 + i] =
                TControllerSim::ActiveSlot(40 + i, "00000000AB0" + std::to_string(i), "Changed");
        if (dropWrites)
            sim.SetFault(0xC1, Form::Write, Fault::WrongAck, 1000);
        writes = 0;
        commandsSeen.clear();
    }
    QStringList arguments{"sync", "COM7", list};
    if (yes)
        arguments << "--yes";
    const TRun run = vtrk(arguments);
    QVERIFY2(run.code == code, run.err.constData());
    if (changed > 0)
        QVERIFY2(
            run.out.contains(QByteArray::number(changed) + (changed == 1 ? " difference" : " differences")),
            run.out.constData());
    QCOMPARE(mismatch(wanted).isEmpty(), changed == 0 || (yes && !dropWrites));
    // The identity is asked once per run: version, serial number, information text.
    QCOMPARE(requestsFor(0x99), 1);
    QCOMPARE(requestsFor(0xC4), 1);
    QCOMPARE(requestsFor(0xC2), 1);
    if (!dropWrites)
        QCOMPARE(writes, written);
    if (yes && changed > 0)
        QVERIFY2(run.err.contains(QByteArray::number(written) + " of " + QByteArray::number(changed) +
                                  " changes written and verified"),
                 run.err.constData());
}

// A list saved from another controller is written only with --other-controller (--yes is not
// enough); a stop during the writes lets the slot in flight end, closes the master table and
// names every slot.
void tst_vtrk::shouldWriteAnotherControllerOnlyWhenToldAndNameEverySlotOnAStop() {
    fillController(33);
    const QString list = file(QStringLiteral("door.dbf"));
    QCOMPARE(vtrk({"read", "COM7", "-o", list}).code, 0);
    {
        std::lock_guard<std::mutex> hold(line.Lock());
        sim.serial = {'V', 'T', '0', '0', '0', '9', '9', '9'};
        commandsSeen.clear();
        writes = 0;
    }
    for (const char* command : {"sync", "write"}) {
        const TRun run = vtrk({command, "COM7", list, "--yes"});
        QCOMPARE(run.code, 6);
        QVERIFY2(run.err.contains("VT000999") && run.err.contains("--other-controller"), run.err.constData());
    }
    QCOMPARE(writes, 0);
    QCOMPARE(requestsFor(0xC1), 0); // refused before the tables were read

    {
        std::lock_guard<std::mutex> hold(line.Lock());
        for (int i = 0; i < 3; ++i)
            sim.master[i] = TControllerSim::EmptySlot(i);
        for (int i = 0; i < 40; ++i)
            sim.slave[i] = TControllerSim::EmptySlot(i);
        commandsSeen.clear();
        writes = 0;
    }
    const TRun stopped =
        vtrk({"sync", "COM7", list, "--yes", "--other-controller"}, [this](QProcess& process) {
            QTRY_VERIFY_WITH_TIMEOUT(writes >= 1, RunDeadlineMs);
            ::kill(pid_t(process.processId()), SIGTERM);
        });
    QCOMPARE(stopped.code, 130);
    QVERIFY2(stopped.err.contains("written, but could not be read back"), stopped.err.constData());
    QVERIFY2(stopped.err.contains("not written (stopped)"), stopped.err.constData());
    QVERIFY2(stopped.err.contains("The synchronisation was stopped"), stopped.err.constData());
    QVERIFY(!stopped.err.contains("verified.\n") || stopped.err.contains("0 of "));
    QVERIFY(writes < 3 + 40);
    QCOMPARE(requestsFor(0xC3), 1); // the master table was closed
}

// German under a German desktop, for what a person reads; the JSON of a script stays the same:
// the same keys, enumerations, numbers and exit code as in English, the error's message aside.
void tst_vtrk::shouldSpeakTheDesktopsLanguageAndKeepItsJson_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("json"); // whether the command also prints a document with --json
    QTest::addColumn<QStringList>("german");
    QTest::newRow("help") << QStringList{"--help"} << false
                          << QStringList{"Befehle:", "Exit-Codes:", "alle Steuerungen eines Gebäudes"};
    QTest::newRow("a command's help")
        << QStringList{"read", "--help"} << false
        << QStringList{"vtrk read [", "Die zu schreibende Schlüsselliste", "Ergebnisse als JSON"};
    QTest::newRow("port missing") << QStringList{"info"} << true
                                  << QStringList{"vtrk: der Steuerungsport fehlt (COMn oder --port GERÄT)"};
    QTest::newRow("unknown option") << QStringList{"info", "COM7", "--colour"} << true
                                    << QStringList{"\"vtrk info --help\" zeigt die Verwendung"};
    QTest::newRow("controller information") << QStringList{"info", "COM7"} << true
                                            << QStringList{"Programmversion:", "Seriennummer der Steuerung:"};
    QTest::newRow("key list table") << QStringList{"show", "@list"} << true
                                    << QStringList{"Typ", "Aktiv", "Notiz", "nein"};
    QTest::newRow("comparison") << QStringList{"diff", "COM7", "@list"} << true
                                << QStringList{"Benutzer", "Steuerung:", "Liste:"};
    QTest::newRow("site status") << QStringList{"site", "status", "--site", "@site"} << true
                                 << QStringList{"gelesen -", "geschrieben -"};
    QTest::newRow("plan without --yes")
        << QStringList{"site", "revoke", "0100000012A4", "--site", "@site"} << true
        << QStringList{"geplant", "nur der Plan; nichts wurde geändert (--yes führt ihn aus)"};
}

void tst_vtrk::shouldSpeakTheDesktopsLanguageAndKeepItsJson() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, json);
    QFETCH(QStringList, german);
    // A list with one key, the only list of a site folder.
    const QString csv = file(QStringLiteral("keys.csv"));
    QFile keys(csv);
    QVERIFY(keys.open(QIODevice::WriteOnly) && keys.write("code,note\n0100000012A4,Flat 1\n") > 0);
    keys.close();
    const QString site = file(QStringLiteral("site"));
    QVERIFY(QDir().mkpath(site));
    const QString list = QDir(site).filePath(QStringLiteral("door.dbf"));
    QCOMPARE(vtrk({"import", csv, "-o", list}).code, 0);
    QCOMPARE(vtrk({"site", "create", "--site", site}).code, 0);
    arguments.replaceInStrings(QStringLiteral("@list"), list);
    arguments.replaceInStrings(QStringLiteral("@site"), site);

    const TRun english = vtrk(arguments);
    desktopLanguage = "de_DE.UTF-8";
    const TRun translated = vtrk(arguments);
    QCOMPARE(translated.code, english.code);
    const QString said = QString::fromUtf8(translated.out + translated.err);
    for (const QString& text : german)
        QVERIFY2(said.contains(text), qPrintable(text + QStringLiteral(" not in: ") + said));
    QVERIFY2(said != QString::fromUtf8(english.out + english.err), qPrintable(said));
    if (!json)
        return;
    const TRun germanJson = vtrk(arguments + QStringList{"--json"});
    desktopLanguage.clear();
    const TRun englishJson = vtrk(arguments + QStringList{"--json"});
    QCOMPARE(germanJson.code, englishJson.code);
    const QJsonDocument germanDocument = QJsonDocument::fromJson(germanJson.out);
    const QJsonDocument englishDocument = QJsonDocument::fromJson(englishJson.out);
    QVERIFY2(!englishDocument.isNull(), englishJson.out.constData());
    // An error's message is for a person and follows the language.
    const QString englishMessage =
        englishDocument[QStringLiteral("error")][QStringLiteral("message")].toString();
    QVERIFY(englishMessage.isEmpty() ||
            germanDocument[QStringLiteral("error")][QStringLiteral("message")].toString() != englishMessage);
    QCOMPARE(withoutHumanText(germanDocument), withoutHumanText(englishDocument));
}

QTEST_GUILESS_MAIN(tst_vtrk)
#include "tst_vtrk.moc"

void tst_vtrk::shouldPrintTheDocumentedJsonForEveryCommand() {
    QFile schemaFile(QStringLiteral(VTRK_JSON_SCHEMA));
    QVERIFY(schemaFile.open(QIODevice::ReadOnly));
    const QJsonObject schema = QJsonDocument::fromJson(schemaFile.readAll()).object();
    const TJsonSchemaCheck check(schema);
    const QJsonObject commands = schema[QStringLiteral("commands")].toObject();
    fillController(11);
    const QString list = file(QStringLiteral("door.dbf"));
    const QString csv = file(QStringLiteral("door.csv"));
    struct TStep {
        const char* documented; // a command of the schema, or "error"
        QStringList arguments;
        int code;
        std::function<void()> before = {};
    };
    const auto keyTakenOut = [this] {
        std::lock_guard<std::mutex> hold(line.Lock());
        sim.slave[5] = TControllerSim::EmptySlot(5);
        sim.slave[6] = TControllerSim::ActiveSlot(6, "00000000C0DE", "Spare");
    };
    const QList<TStep> steps{
        {"ports", {"ports"}, 0},
        {"info", {"info", "COM7"}, 0},
        {"read", {"read", "COM7", "-o", list}, 0},
        {"show", {"show", list}, 0},
        {"show", {"show", list, "--keys"}, 0},
        {"export", {"export", list, "-o", csv}, 0},
        {"import", {"import", csv, "-o", file(QStringLiteral("copy.dbf"))}, 0},
        {"diff", {"diff", "COM7", list}, 0},
        {"sync", {"sync", "COM7", file(QStringLiteral("copy.dbf"))}, 0},
        // Without --yes and without a terminal nothing is confirmed: one document, the comparison.
        {"sync", {"sync", "COM7", list}, 7, keyTakenOut},
        {"write", {"write", "COM7", list, "--yes"}, 0},
        {"linetest", {"linetest", "COM7", "-n", "2"}, 0},
        {"history", {"history"}, 0},
        {"history", {"history", "VT000417"}, 0},
        {"site",
         {"site", "status", "--site", file(QStringLiteral("site"))},
         0,
         [&] {
             QDir().mkpath(file(QStringLiteral("site")));
             QFile::copy(list, file(QStringLiteral("site/door.dbf")));
             QFile siteFile(file(QStringLiteral("site/site.ini")));
             QVERIFY(siteFile.open(QIODevice::WriteOnly));
             siteFile.write("[door]\nserial = VT000417\nlist = door.dbf\n");
         }},
        {"error", {"info", "--port", "/dev/vtrk-no-such-device"}, 3},
        {"error", {"info", "COM7", "--colour"}, 2},
        {"error", {"show", file(QStringLiteral("missing.dbf"))}, 4},
    };
    for (const TStep& step : steps) {
        if (step.before)
            step.before();
        const TRun run = vtrk(step.arguments + QStringList{QStringLiteral("--json")});
        const QByteArray name = step.arguments.join(QLatin1Char(' ')).toUtf8();
        QVERIFY2(run.code == step.code,
                 name + ": exit code " + QByteArray::number(run.code) + "; " + run.err);
        QJsonParseError parsed;
        const QJsonDocument document = QJsonDocument::fromJson(run.out, &parsed);
        QVERIFY2(parsed.error == QJsonParseError::NoError, name + ": not one JSON document: " + run.out);
        const QLatin1String documented(step.documented);
        const QJsonObject part = documented == QLatin1String("error") ? schema[documented].toObject()
                                                                      : commands[documented].toObject();
        const QJsonValue value =
            document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
        const QString mismatch = check.Mismatch(value, part);
        QVERIFY2(mismatch.isEmpty(), name + ": " + mismatch.toUtf8());
        if (documented == QLatin1String("error"))
            QVERIFY2(run.err.contains(document.object()[QStringLiteral("error")][QStringLiteral("message")]
                                          .toString()
                                          .left(20)
                                          .toUtf8()),
                     run.err.constData());
    }
    // Every documented command was run.
    QStringList run;
    for (const TStep& step : steps)
        run << QString::fromLatin1(step.documented);
    for (const QString& command : commands.keys())
        QVERIFY2(run.contains(command),
                 qPrintable(command + QStringLiteral(" is documented but not checked")));

    // --keys leaves out the empty slots and nothing else.
    const QJsonObject all = vtrk({"show", list, "--json"}).json();
    const QJsonObject keys = vtrk({"show", list, "--json", "--keys"}).json();
    int held = 0;
    for (const QJsonValue key : all[QStringLiteral("slave")].toArray())
        held += key[QStringLiteral("code")].toString() != QLatin1String("<EMPTY>");
    QCOMPARE(keys[QStringLiteral("slave")].toArray().size(), held);
    QVERIFY(held > 0 && held < 128);
}
