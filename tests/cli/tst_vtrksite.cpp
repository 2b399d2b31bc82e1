// vtrk site end to end: the vtrk binary in a process of its own, a site folder of key lists, and
// the simulator on a pseudo-terminal mapped to COM7 for the door round.
#include "dbf/TDbfEnv.h"
#include "sync/TKeyListFile.h"
#include "sync/TKeyTables.h"
#include "tests/cli/TJsonSchemaCheck.h"
#include "tests/cli/TVtrkEnvironment.h"
#include "tools/ctrlsim/TControllerSim.h"
#include "tools/ctrlsim/TPtyController.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Generous: a loaded machine may be slow, but a hang must still end the test.
constexpr int RunDeadlineMs = 120000;
const QString Lost = QStringLiteral("2BC5FB000000");

struct TRun {
    int code = -1;
    QByteArray out;
    QByteArray err;
    QJsonDocument json() const { return QJsonDocument::fromJson(out); }
};

TKeySlot key(const QString& code, const QString& memo) {
    TKeySlot k;
    k.active = true;
    k.keyCode = code;
    k.memo = memo;
    return k;
}

// The simulator's demonstration keys without "Post office", with Ann's key in slave #10.
TKeyTables doorList(const QString& serial) {
    TKeyTables t;
    t.serial = serial;
    t.info = QStringLiteral("Main entrance");
    t.MarkAllEmpty();
    t.master.SetSlot(0, key(QStringLiteral("01A2B3C4D5E6"), QStringLiteral("Installer")));
    t.master.SetSlot(1, key(QStringLiteral("01F00D000001"), QStringLiteral("Caretaker")));
    t.slave.SetSlot(0, key(QStringLiteral("0100000012A4"), QStringLiteral("Flat 1")));
    t.slave.SetSlot(1, key(QStringLiteral("0100000012A5"), QStringLiteral("Flat 2")));
    t.slave.SetSlot(5, key(QStringLiteral("01000000C0DE"), QStringLiteral("Cleaning")));
    t.slave.SetSlot(9, key(Lost, QStringLiteral("Ann")));
    return t;
}
} // namespace

class tst_vtrksite : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase() { line.Stop(); }

    void shouldRefuseUsageAndBrokenSites_data();
    void shouldRefuseUsageAndBrokenSites();
    void shouldRecogniseDifferWriteAndBringTheDoorInStep();
    void shouldRevokeEverywhereAndWriteTheRevokeOnTheNextRound();
    void shouldNeverWriteADoorWhoseListOrSerialDoesNotMatch_data();
    void shouldNeverWriteADoorWhoseListOrSerialDoesNotMatch();
    void shouldAddAControllerNewToTheSite();

private:
    TRun vtrk(QStringList arguments);
    QJsonObject doorStatus();
    QString file(const QString& name) const { return QDir(site.path()).filePath(name); }
    std::array<std::uint8_t, 33> simSlave(int slot) {
        std::lock_guard<std::mutex> hold(line.Lock());
        return sim.slave[slot];
    }

    TControllerSim sim;
    TPtyController line{sim};
    QTemporaryDir site;
    QTemporaryDir dataHome;
    TDbfEnv env;
    int writes = 0;
};

void tst_vtrksite::initTestCase() {
    std::string error;
    QVERIFY2(line.Start(error), error.c_str());
    qputenv("VTRK_COM7", QByteArray::fromStdString(line.DevicePath()));
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    qputenv("VTRK_TEST_PAUSE_PERCENT", "10");
    line.onRequest = [this](const TControllerSim::Bytes& request, const TControllerSim::Answer&) {
        if (request.size() > 4 && request[3] >= 0xC0 && request[3] <= 0xC2 && request[4] == 0x00)
            ++writes;
    };
}

void tst_vtrksite::init() {
    std::lock_guard<std::mutex> hold(line.Lock());
    sim = TControllerSim();
    writes = 0;
    QDir(site.path()).removeRecursively();
    QDir().mkpath(site.path());
}

TRun tst_vtrksite::vtrk(QStringList arguments) {
    arguments << QStringLiteral("--site") << site.path();
    QProcess process;
    process.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/vtrk"));
    process.setArguments(QStringList{QStringLiteral("site")} + arguments);
    process.setProcessEnvironment(TVtrkEnvironment::Of());
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    TRun run;
    if (!process.waitForStarted())
        return run;
    if (!process.waitForFinished(RunDeadlineMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    // Every document a script gets is the documented one.
    if (arguments.contains(QStringLiteral("--json")) && run.code != 2 && run.code != 4) {
        QFile schemaFile(QStringLiteral(VTRK_JSON_SCHEMA));
        const QJsonObject schema =
            QJsonDocument::fromJson(schemaFile.open(QIODevice::ReadOnly) ? schemaFile.readAll()
                                                                         : QByteArray())
                .object();
        const QJsonDocument document = run.json();
        const QJsonValue value =
            document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
        const QString mismatch = TJsonSchemaCheck(schema).Mismatch(
            value, schema[QStringLiteral("commands")][QStringLiteral("site")].toObject());
        QTest::qVerify(mismatch.isEmpty(), "documented JSON", qPrintable(mismatch + ": " + run.out), __FILE__,
                       __LINE__);
    }
    return run;
}

QJsonObject tst_vtrksite::doorStatus() {
    const TRun run = vtrk({QStringLiteral("status"), QStringLiteral("--json")});
    return run.json().array().first().toObject();
}

void tst_vtrksite::shouldRefuseUsageAndBrokenSites_data() {
    QTest::addColumn<QByteArray>("siteFile");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    const QByteArray good = "[door]\nserial = VT000417\nlist = main.dbf\n";
    QTest::newRow("no subcommand") << good << QStringList{} << 2 << "a subcommand is missing";
    QTest::newRow("unknown subcommand")
        << good << QStringList{"erase"} << 2 << "unknown subcommand \"erase\"";
    QTest::newRow("revoke without code") << good << QStringList{"revoke"} << 2 << "the key code is missing";
    QTest::newRow("revoke of no code") << good << QStringList{"revoke", "Ann"} << 2 << "not a key code";
    QTest::newRow("give to nobody") << good << QStringList{"give", Lost} << 2 << "--to DOOR";
    QTest::newRow("give to an unknown door")
        << good << QStringList{"give", Lost, "--to", "Attic"} << 2 << "the site has no door \"Attic\"";
    QTest::newRow("no site") << QByteArray() << QStringList{"status"} << 4 << "there is no site here";
    QTest::newRow("missing list") << QByteArray("[door]\nserial = VT1\nlist = gone.dbf\n")
                                  << QStringList{"status"} << 4 << "site.ini:1: key list gone.dbf is missing";
    QTest::newRow("serial twice") << good + "[door]\nserial = VT000417\nlist = main.dbf\n"
                                  << QStringList{"find", Lost} << 4
                                  << "site.ini:4: serial number VT000417 is named twice";
}

void tst_vtrksite::shouldRefuseUsageAndBrokenSites() {
    QFETCH(QByteArray, siteFile);
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, message);
    TKeyListFile::Write(doorList(QStringLiteral("VT000417")), file(QStringLiteral("main.dbf")));
    if (!siteFile.isEmpty()) {
        QFile out(file(QStringLiteral("site.ini")));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(siteFile);
    }
    const QByteArray listBefore =
        TKeyListFile::Read(file(QStringLiteral("main.dbf"))).slave.Slot(9).keyCode.toUtf8();
    const TRun run = vtrk(arguments);
    QCOMPARE(run.code, code);
    QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
    QCOMPARE(TKeyListFile::Read(file(QStringLiteral("main.dbf"))).slave.Slot(9).keyCode.toUtf8(), listBefore);
}

void tst_vtrksite::shouldRecogniseDifferWriteAndBringTheDoorInStep() {
    TKeyListFile::Write(doorList(QStringLiteral("VT000417")), file(QStringLiteral("main.dbf")));
    TRun run = vtrk({QStringLiteral("create"), QStringLiteral("--json")});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.json().object()[QStringLiteral("added")].toArray().size(), 1);
    QCOMPARE(doorStatus()[QStringLiteral("state")].toString(), QStringLiteral("never-read"));

    // Without --yes: the differences, and nothing written.
    run = vtrk({QStringLiteral("round"), QStringLiteral("COM7"), QStringLiteral("--json")});
    QCOMPARE(run.code, 7);
    QCOMPARE(writes, 0);
    QCOMPARE(run.json().object()[QStringLiteral("count")].toInt(), 2);
    QJsonObject status = doorStatus();
    QCOMPARE(status[QStringLiteral("text")].toString(), QStringLiteral("2 changes to write"));
    QCOMPARE(status[QStringLiteral("changes")].toInt(), 2);
    QVERIFY(status[QStringLiteral("lastWritten")].isNull());

    run = vtrk({QStringLiteral("round"), QStringLiteral("COM7"), QStringLiteral("--yes")});
    QVERIFY2(run.code == 0, run.err.constData());
    QCOMPARE(writes, 2);
    QCOMPARE(simSlave(2), TControllerSim::EmptySlot(2));
    QCOMPARE(simSlave(9), TControllerSim::ActiveSlot(9, Lost.toStdString(), "Ann"));
    status = doorStatus();
    QCOMPARE(status[QStringLiteral("state")].toString(), QStringLiteral("in-step"));
    QVERIFY(!status[QStringLiteral("lastWritten")].isNull());

    run = vtrk({QStringLiteral("journal"), QStringLiteral("--json")});
    const QJsonArray lines = run.json().array();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0][QStringLiteral("kind")].toString(), QStringLiteral("controller"));
    QCOMPARE(lines[0][QStringLiteral("name")].toString(), QStringLiteral("VT000417"));
    QCOMPARE(lines[0][QStringLiteral("number")].toInt(), 3);
    QCOMPARE(lines[0][QStringLiteral("old")].toString(), QStringLiteral("01000000BEEF \"Post office\""));
    QCOMPARE(lines[0][QStringLiteral("new")].toString(), QStringLiteral("<EMPTY>"));
    QCOMPARE(lines[1][QStringLiteral("new")].toString(), QStringLiteral("2BC5FB000000 \"Ann\""));
}

void tst_vtrksite::shouldRevokeEverywhereAndWriteTheRevokeOnTheNextRound() {
    TKeyListFile::Write(doorList(QStringLiteral("VT000417")), file(QStringLiteral("main.dbf")));
    TKeyListFile::Write(doorList(QStringLiteral("VT000999")), file(QStringLiteral("back.dbf")));
    QCOMPARE(vtrk({QStringLiteral("create")}).code, 0);
    QCOMPARE(vtrk({QStringLiteral("round"), QStringLiteral("COM7"), QStringLiteral("--yes")}).code, 0);

    TRun run = vtrk({QStringLiteral("revoke"), QStringLiteral("01.2BC5FB000000"), QStringLiteral("--json")});
    QCOMPARE(run.code, 7);
    QCOMPARE(run.json().object()[QStringLiteral("lists")].toArray().size(), 2);
    QVERIFY(TKeyListFile::Read(file(QStringLiteral("main.dbf"))).slave.Slot(9).active);

    run = vtrk({QStringLiteral("revoke"), QStringLiteral("01.2BC5FB000000"), QStringLiteral("--yes"),
                QStringLiteral("--json")});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.json().object()[QStringLiteral("toVisit")].toArray(), QJsonArray{QStringLiteral("main")});
    QVERIFY(!TKeyListFile::Read(file(QStringLiteral("back.dbf"))).slave.Slot(9).active);
    QCOMPARE(doorStatus()[QStringLiteral("text")].toString(), QStringLiteral("1 change to write"));

    QCOMPARE(vtrk({QStringLiteral("round"), QStringLiteral("COM7"), QStringLiteral("--yes")}).code, 0);
    QCOMPARE(simSlave(9), TControllerSim::EmptySlot(9));
    run = vtrk({QStringLiteral("find"), QStringLiteral("66 000000FBC52B 01"), QStringLiteral("--json")});
    QCOMPARE(run.code, 0);
    for (const QJsonValue hit : run.json().object()[QStringLiteral("hits")].toArray())
        QVERIFY2(!hit[QStringLiteral("active")].toBool(), qPrintable(hit[QStringLiteral("door")].toString()));
    QCOMPARE(doorStatus()[QStringLiteral("state")].toString(), QStringLiteral("in-step"));
    QCOMPARE(vtrk({QStringLiteral("give"), Lost, QStringLiteral("--to"), QStringLiteral("back"),
                   QStringLiteral("--note"), QStringLiteral("Ann again"), QStringLiteral("--yes"),
                   QStringLiteral("--json")})
                 .json()
                 .object()[QStringLiteral("lists")][0][QStringLiteral("outcome")]
                 .toString(),
             QStringLiteral("saved"));
    run = vtrk({QStringLiteral("journal"), QStringLiteral("--key"), Lost, QStringLiteral("--door"),
                QStringLiteral("main"), QStringLiteral("--csv")});
    // The main door's lines of the key: written, revoked in its list, emptied in its controller.
    const QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 3);
    QVERIFY2(lines[1].contains(QLatin1String("\"controller\",\"VT000417\"")), qPrintable(lines[1]));
    QVERIFY2(lines[2].contains(QLatin1String("\"list\",\"main.dbf\"")), qPrintable(lines[2]));
    QVERIFY2(lines[3].endsWith(QLatin1String("\"<EMPTY>\"")), qPrintable(lines[3]));
}

void tst_vtrksite::shouldNeverWriteADoorWhoseListOrSerialDoesNotMatch_data() {
    QTest::addColumn<QString>("siteSerial");
    QTest::addColumn<QString>("listSerial");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("controller not in the site") << "VT000999"
                                                << "VT000999" << 9 << "vtrk site add COM7";
    QTest::newRow("list of another controller") << "VT000417"
                                                << "VT000999" << 6 << "--other-controller";
}

void tst_vtrksite::shouldNeverWriteADoorWhoseListOrSerialDoesNotMatch() {
    QFETCH(QString, siteSerial);
    QFETCH(QString, listSerial);
    QFETCH(int, code);
    QFETCH(QString, message);
    TKeyListFile::Write(doorList(listSerial), file(QStringLiteral("main.dbf")));
    QFile out(file(QStringLiteral("site.ini")));
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QStringLiteral("[door]\nserial = %1\nlist = main.dbf\n").arg(siteSerial).toUtf8());
    out.close();
    const TRun run = vtrk({QStringLiteral("round"), QStringLiteral("COM7"), QStringLiteral("--yes")});
    QCOMPARE(run.code, code);
    QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
    QCOMPARE(writes, 0);
}

void tst_vtrksite::shouldAddAControllerNewToTheSite() {
    QFile out(file(QStringLiteral("site.ini")));
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("[site]\nname = Office\n");
    out.close();
    TRun run = vtrk({QStringLiteral("add"), QStringLiteral("COM7"), QStringLiteral("--location"),
                     QStringLiteral("Ground floor")});
    QVERIFY2(run.code == 0, run.err.constData());
    const QJsonObject status = doorStatus();
    QCOMPARE(status[QStringLiteral("list")].toString(), QStringLiteral("VT000417.dbf"));
    QCOMPARE(status[QStringLiteral("name")].toString(), QStringLiteral("Main entrance"));
    QCOMPARE(status[QStringLiteral("location")].toString(), QStringLiteral("Ground floor"));
    QCOMPARE(status[QStringLiteral("state")].toString(), QStringLiteral("in-step"));
    QCOMPARE(TKeyListFile::Read(file(QStringLiteral("VT000417.dbf"))).slave.Slot(2).keyCode,
             QStringLiteral("01000000BEEF"));
    // Added once only.
    run = vtrk({QStringLiteral("add"), QStringLiteral("COM7")});
    QCOMPARE(run.code, 0);
    QVERIFY(run.out.contains("in the site already"));
    run = vtrk({QStringLiteral("add"), QStringLiteral("COM7"), QStringLiteral("--json")});
    QCOMPARE(run.json().object()[QStringLiteral("list")].toString(), QStringLiteral("VT000417.dbf"));
}

QTEST_GUILESS_MAIN(tst_vtrksite)
#include "tst_vtrksite.moc"
