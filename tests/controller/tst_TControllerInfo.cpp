#include "controller/TControllerCommands.h"
#include "seams/TSleep.h"
#include "tests/controller/TFakeControllerHost.h"
#include "tests/controller/TScriptedPort.h"
#include "tests/support/TTestMessageBoxes.h"
#include "tools/ctrlsim/TControllerSim.h"

#include <QtTest>

namespace {
using Fault = TControllerSim::Fault;
using Form = TControllerSim::Form;

void noSleep(int) {}

QByteArray bytes(const unsigned char* data, int count) {
    return QByteArray(reinterpret_cast<const char*>(data), count);
}
} // namespace

class tst_TControllerInfo : public QObject {
    Q_OBJECT

    TControllerSim sim;
    TScriptedPort port;

private slots:
    void init();
    void cleanup() { TSleep::setHandler(nullptr); }

    void shouldAcceptOnlyTheExactVersionCode_data();
    void shouldAcceptOnlyTheExactVersionCode();
    void shouldWarnWithAnEmptyCodeWhenTheVersionGoesUnanswered();
    void shouldEmptyTheFieldsWhenSerialAndInformationFailAfterAnAcceptedVersion();
    void shouldDecodeWireTextsWithoutZeroAndFFBytes_data();
    void shouldDecodeWireTextsWithoutZeroAndFFBytes();
    void shouldEncodeTheInformationBlock_data();
    void shouldEncodeTheInformationBlock();
    void shouldReportTheInformationWriteOncePerAttempt();
    void shouldWriteTheInformationTextAfterConfirmationOnly();
};

void tst_TControllerInfo::init() {
    sim = TControllerSim();
    port = TScriptedPort();
    port.playController(sim);
    TSleep::setHandler(noSleep);
}

void tst_TControllerInfo::shouldAcceptOnlyTheExactVersionCode_data() {
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("supported") << "TARVK001" << true;
    QTest::newRow("lower case") << "tarvk001" << false;
    QTest::newRow("last digit differs") << "TARVK002" << false;
    QTest::newRow("shorter, blank padded") << "TARVK00" << false;
}

void tst_TControllerInfo::shouldAcceptOnlyTheExactVersionCode() {
    QFETCH(QString, version);
    QFETCH(bool, accepted);
    TTestMessageBoxes boxes;
    sim.version = version.toStdString();
    TFakeControllerHost host;
    host.data.serial = QStringLiteral("old serial");
    host.data.info = QStringLiteral("old info");
    host.transferEnabled = !accepted;
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    commands.DGetInfoActExecute();
    QCOMPARE(host.transferEnabled, accepted);
    if (accepted) {
        QCOMPARE(boxes.shown.size(), 0);
        QCOMPARE(host.data.programVersion, QStringLiteral("VELM Tarvikon v.1.0"));
        QCOMPARE(host.data.maxMasterKeys, QStringLiteral("8"));
        QCOMPARE(host.data.maxSlaveKeys, QStringLiteral("128"));
        QCOMPARE(host.data.keyType, QStringLiteral("Dallas Touch Memory DS-1990A"));
        QCOMPARE(host.data.serial, QStringLiteral("VT000417"));
        QCOMPARE(host.data.info, QStringLiteral("Main entrance"));
        QCOMPARE(host.data.versionCode, version);
        QCOMPARE(session.Exchange().sequence(), 3);
        return;
    }
    const QString received = QString::fromStdString(sim.version).leftJustified(8, QLatin1Char(' '));
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0].kind, TMessageBoxes::Kind::Warning);
    QCOMPARE(boxes.shown[0].text,
             QStringLiteral("Controller internal programm version is unknown.\r(Supported version code: "
                            "\"TARVK001\" Controller version code: \"") +
                 received +
                 QStringLiteral("\")\rReading or writing data can harm information in controller."));
    QCOMPARE(host.data.programVersion, QStringLiteral("<unknown>"));
    QCOMPARE(host.data.serial, QStringLiteral("old serial"));
    QCOMPARE(host.data.info, QStringLiteral("old info"));
    QCOMPARE(host.data.versionCode, received);
    QCOMPARE(session.Exchange().sequence(), 1);
}

void tst_TControllerInfo::shouldWarnWithAnEmptyCodeWhenTheVersionGoesUnanswered() {
    TTestMessageBoxes boxes;
    sim.SetFault(0x99, Form::Any, Fault::NoAnswer);
    TFakeControllerHost host;
    host.transferEnabled = true;
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    commands.DGetInfoActExecute();
    QCOMPARE(boxes.texts(), (QStringList{QStringLiteral("The controller does not answer on COM7."),
                                         TControllerInfo::UnknownVersionWarning(QString())}));
    QVERIFY(boxes.shown[1].text.contains(QStringLiteral("Controller version code: \"\")")));
    QVERIFY(!host.transferEnabled);
    QCOMPARE(session.Exchange().sequence(), 0);
}

void tst_TControllerInfo::shouldEmptyTheFieldsWhenSerialAndInformationFailAfterAnAcceptedVersion() {
    TTestMessageBoxes boxes;
    sim.SetFault(0xC4, Form::Any, Fault::WrongAck);
    sim.SetFault(0xC2, Form::Any, Fault::NoAnswer);
    TFakeControllerHost host;
    host.data.serial = QStringLiteral("old serial");
    host.data.info = QStringLiteral("old info");
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    commands.DGetInfoActExecute();
    QVERIFY(host.transferEnabled);
    QCOMPARE(host.data.serial, QString());
    QCOMPARE(host.data.info, QString());
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("The controller does not answer on COM7.")});
    QCOMPARE(session.Exchange().sequence(), 1);
}

void tst_TControllerInfo::shouldDecodeWireTextsWithoutZeroAndFFBytes_data() {
    QTest::addColumn<QByteArray>("serial");
    QTest::addColumn<QByteArray>("info");
    QTest::addColumn<QString>("serialText");
    QTest::addColumn<QString>("infoText");
    QTest::newRow("all FF") << QByteArray(8, '\xFF') << QByteArray(32, '\xFF') << "<unknown>"
                            << "<unknown>";
    QTest::newRow("all zero") << QByteArray(8, '\0') << QByteArray(32, '\0') << "<unknown>"
                              << "<unknown>";
    QTest::newRow("gaps dropped wherever they stand")
        << QByteArray("12\0\xFF"
                      "3456",
                      8)
        << (QByteArray("AB\0\0CD", 6) + QByteArray(26, '\xFF')) << "123456"
        << "ABCD";
    QTest::newRow("32 characters, high bytes kept")
        << QByteArray("S\x80\x81N0001", 8) << QByteArray("0123456789abcdefghijklmnopqrstu\xE9", 32)
        << QString::fromUtf8("S\u20AC\u0081N0001")
        << QString::fromUtf8("0123456789abcdefghijklmnopqrstu\u00E9");
}

void tst_TControllerInfo::shouldDecodeWireTextsWithoutZeroAndFFBytes() {
    QFETCH(QByteArray, serial);
    QFETCH(QByteArray, info);
    QFETCH(QString, serialText);
    QFETCH(QString, infoText);
    TTestMessageBoxes boxes;
    std::copy(serial.begin(), serial.end(), sim.serial.begin());
    std::copy(info.begin(), info.end(), sim.info.begin());
    TFakeControllerHost host;
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    QString s, i;
    QVERIFY(session.Info().ReadControllerSerial(s));
    QVERIFY(session.Info().ReadControllerInfo(i));
    QCOMPARE(s, serialText);
    QCOMPARE(i, infoText);
}

void tst_TControllerInfo::shouldEncodeTheInformationBlock_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("empty") << "" << (QByteArray(1, '\0') + QByteArray(31, '\xFF'));
    QTest::newRow("25 characters") << "ABCDEFGHIJKLMNOPQRSTUVWXY"
                                   << (QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXY") + QByteArray(1, '\0') +
                                       QByteArray(6, '\xFF'));
    QTest::newRow("32 characters, no zero")
        << "0123456789ABCDEFGHIJKLMNOPQRSTUV" << QByteArray("0123456789ABCDEFGHIJKLMNOPQRSTUV");
    QTest::newRow("longer, cut to 32")
        << "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ" << QByteArray("0123456789ABCDEFGHIJKLMNOPQRSTUV");
    QTest::newRow("code page bytes") << QString::fromUtf8("\u20AC\u00E9\u0081")
                                     << (QByteArray("\x80\xE9\x81", 3) + QByteArray(1, '\0') +
                                         QByteArray(28, '\xFF'));
}

void tst_TControllerInfo::shouldEncodeTheInformationBlock() {
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    QVERIFY(session.Info().WriteControllerInfo(text));
    QCOMPARE(bytes(sim.info.data(), 32), expected);
    QCOMPARE(port.requests().last().mid(5, 32), expected);
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Information has been written succesufuly.")});
    QCOMPARE(boxes.shown[0].kind, TMessageBoxes::Kind::Information);
    QCOMPARE(session.Exchange().sequence(), 1);
}

void tst_TControllerInfo::shouldReportTheInformationWriteOncePerAttempt() {
    TTestMessageBoxes boxes;
    sim.SetFault(0xC2, Form::Write, Fault::WrongAck);
    TFakeControllerHost host;
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    QVERIFY(!session.Info().WriteControllerInfo(QStringLiteral("Door")));
    QCOMPARE(boxes.count(QStringLiteral("Information writing fail.")), 5);
    QCOMPARE(boxes.count(TMessageBoxes::Kind::Error), 5);
    QCOMPARE(session.Exchange().sequence(), 0);
    boxes.clear();
    sim.SetFault(0xC2, Form::Write, Fault::WrongAck, 1);
    QVERIFY(session.Info().WriteControllerInfo(QStringLiteral("Door")));
    QCOMPARE(boxes.texts(), (QStringList{QStringLiteral("Information writing fail."),
                                         QStringLiteral("Information has been written succesufuly.")}));
    QCOMPARE(session.Exchange().sequence(), 1);
}

void tst_TControllerInfo::shouldWriteTheInformationTextAfterConfirmationOnly() {
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    host.data.info = QStringLiteral("Back door");
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    boxes.queueAnswer(TMessageBoxes::Answer::Cancel);
    commands.DPutInfoActExecute();
    QCOMPARE(port.writes.size(), 0);
    commands.DPutInfoActExecute();
    QCOMPARE(boxes.texts().first(),
             QStringLiteral("Are you sure you want to change controller information to:\rBack door"));
    QCOMPARE(boxes.shown.first().kind, TMessageBoxes::Kind::Confirmation);
    QCOMPARE(TControllerInfo::BytesToText(sim.info.data(), 32), QStringLiteral("Back door"));
}

QTEST_GUILESS_MAIN(tst_TControllerInfo)
#include "tst_TControllerInfo.moc"
