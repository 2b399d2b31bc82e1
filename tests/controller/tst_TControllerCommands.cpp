#include "controller/TControllerCommands.h"
#include "seams/TSleep.h"
#include "tests/controller/TFakeControllerHost.h"
#include "tests/controller/TScriptedPort.h"
#include "tests/support/TTestMessageBoxes.h"
#include "tools/ctrlsim/TControllerSim.h"

#include <QtTest>

namespace {
using Ending = TControllerCommands::Ending;
using Command = TControllerCommands::TResult (TControllerCommands::*)();

const QList<QPair<QString, Command>> Commands = {
    {QStringLiteral("read info"), &TControllerCommands::DGetInfoActExecute},
    {QStringLiteral("write info"), &TControllerCommands::DPutInfoActExecute},
    {QStringLiteral("read master"), &TControllerCommands::DGetMKeysActExecute},
    {QStringLiteral("read slave"), &TControllerCommands::DGetSKeysActExecute},
    {QStringLiteral("read all"), &TControllerCommands::DGetAllActExecute},
    {QStringLiteral("write master"), &TControllerCommands::DPutMKeysActExecute},
    {QStringLiteral("write slave"), &TControllerCommands::DPutSKeysActExecute},
    {QStringLiteral("write all"), &TControllerCommands::DPutAllActExecute}};

Command commandNamed(const QString& name) {
    for (const auto& [commandName, command] : Commands)
        if (commandName == name)
            return command;
    return nullptr;
}
} // namespace

// What each controller command returns is how it ended, whatever it said on the way.
class tst_TControllerCommands : public QObject {
    Q_OBJECT

    TControllerSim sim;
    TScriptedPort port;

private slots:
    void init();
    void cleanup() { TSleep::setHandler(nullptr); }

    void shouldReturnHowEachCommandEnded_data();
    void shouldReturnHowEachCommandEnded();
};

void tst_TControllerCommands::init() {
    sim = TControllerSim();
    port = TScriptedPort();
    port.playController(sim);
    TScriptedPort::clocked = &port;
    TSleep::setHandler(TScriptedPort::ClockedSleep);
}

void tst_TControllerCommands::shouldReturnHowEachCommandEnded_data() {
    QTest::addColumn<QString>("command");
    // What is wrong: "" nothing; "silent", "pulled" (the adapter at the first request), "slot"
    // (slave #1 never read), "version" (another firmware), "bad code" (slave #41), "unknown info",
    // "no list", "empty master", "empty slave".
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("cancelFirst"); // the first confirmation answered Cancel
    QTest::addColumn<int>("ending");
    QTest::addColumn<bool>("report");
    const auto row = [](const char* name, const char* command, const char* fault, bool cancel, Ending ending,
                        bool report) {
        QTest::newRow(name) << QString::fromLatin1(command) << QString::fromLatin1(fault) << cancel
                            << int(ending) << report;
    };
    row("read info", "read info", "", false, Ending::Done, false);
    row("read info: another firmware", "read info", "version", false, Ending::VersionRefused, false);
    row("read info: silent controller", "read info", "silent", false, Ending::Silent, false);
    row("read info: adapter pulled", "read info", "pulled", false, Ending::PortLost, false);
    row("write info", "write info", "", false, Ending::Done, false);
    row("write info: cancelled", "write info", "", true, Ending::Cancelled, false);
    row("write info: still unknown", "write info", "unknown info", false, Ending::Refused, false);
    row("write info: silent controller", "write info", "silent", false, Ending::Silent, false);
    row("read master", "read master", "", false, Ending::Done, true);
    row("read master: no key list", "read master", "no list", false, Ending::Refused, false);
    row("read master: cancelled", "read master", "", true, Ending::Cancelled, false);
    row("read slave: a slot not read", "read slave", "slot", false, Ending::PartlyFailed, true);
    row("read slave: silent controller", "read slave", "silent", false, Ending::Silent, true);
    row("read all", "read all", "", false, Ending::Done, true);
    row("read all: another firmware", "read all", "version", false, Ending::VersionRefused, true);
    row("read all: adapter pulled at the version", "read all", "pulled", false, Ending::PortLost, false);
    row("read all: no key list", "read all", "no list", false, Ending::Refused, false);
    row("write master", "write master", "", false, Ending::Done, true);
    row("write master: adapter pulled", "write master", "pulled", false, Ending::PortLost, true);
    row("write slave: empty", "write slave", "empty slave", false, Ending::Refused, false);
    row("write slave: a key code that cannot be sent", "write slave", "bad code", false, Ending::Refused,
        true);
    row("write all", "write all", "", false, Ending::Done, true);
    row("write all: keys cancelled, information written", "write all", "", true, Ending::Cancelled, false);
    row("write all: master empty", "write all", "empty master", false, Ending::Refused, true);
    row("write all: a key code that cannot be sent", "write all", "bad code", false, Ending::Refused, false);
    row("write all: adapter pulled", "write all", "pulled", false, Ending::PortLost, true);
    row("write all: silent controller", "write all", "silent", false, Ending::Silent, true);
}

void tst_TControllerCommands::shouldReturnHowEachCommandEnded() {
    QFETCH(QString, command);
    QFETCH(QString, fault);
    QFETCH(bool, cancelFirst);
    QFETCH(int, ending);
    QFETCH(bool, report);
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    host.data.info =
        fault == QStringLiteral("unknown info") ? TControllerInfo::UnknownText : QStringLiteral("Gate");
    if (fault == QStringLiteral("silent"))
        port.responder = [](const QByteArray&) { return QByteArray(); };
    if (fault == QStringLiteral("pulled"))
        port.onRequest = [this](int count) {
            if (count == 1)
                port.hangUp();
        };
    if (fault == QStringLiteral("slot"))
        sim.SetFault(0xC1, TControllerSim::Form::Read, TControllerSim::Fault::WrongAck, 5);
    if (fault == QStringLiteral("version"))
        sim.version = "TARVK009";
    if (fault == QStringLiteral("bad code")) {
        host.slave.slot(40).active = true;
        host.slave.slot(40).keyCode = QStringLiteral("0123");
    }
    host.master.open = fault != QStringLiteral("no list");
    if (fault == QStringLiteral("empty master"))
        host.master.recCount = 0;
    if (fault == QStringLiteral("empty slave"))
        host.slave.recCount = 0;
    if (cancelFirst)
        boxes.queueAnswer(TMessageBoxes::Answer::Cancel);
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);

    const TControllerCommands::TResult result = (commands.*commandNamed(command))();

    QCOMPARE(int(result.ending), ending);
    QCOMPARE(result.report.has_value(), report);
    // The report tells of trouble exactly when the transfers brought the ending.
    if (result.report)
        QCOMPARE(result.report->Kind() != TTransferReport::Severity::None,
                 ending >= int(Ending::PartlyFailed));
    // Every ending but a plain success has been said: a box beyond the confirmations.
    const int said = boxes.shown.size() - boxes.count(TMessageBoxes::Kind::Confirmation);
    if (Ending(ending) != Ending::Done && Ending(ending) != Ending::Cancelled)
        QVERIFY2(said > 0, qPrintable(boxes.texts().join(QLatin1Char('|'))));
}

QTEST_GUILESS_MAIN(tst_TControllerCommands)
#include "tst_TControllerCommands.moc"
