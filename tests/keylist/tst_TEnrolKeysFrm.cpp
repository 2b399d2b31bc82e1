#include "keylist/ui/TEnrolKeysFrm.h"
#include "onewire/TOneWireSettings.h"
#include "onewire/TOwServerBus.h"
#include "tests/keylist/KeyListFixture.h"
#include "tests/keylist/TFakeKeyListHost.h"
#include "tests/support/TFakeOwServer.h"
#include "tests/support/TOwServerProcess.h"
#include "tests/support/TTestMessageBoxes.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <chrono>

// The enrolment window over a new key list's master page, reading the server at address.
struct TEnrolFixture : TKeyListFixture {
    TTestMessageBoxes boxes;
    std::unique_ptr<TEnrolKeysFrm> window;

    explicit TEnrolFixture(const QString& address,
                           TEnrolKeysFrm::TBusMaker makeBus = TEnrolKeysFrm::TBusMaker()) {
        newList();
        TOneWireSettings::SetServerAddress(address);
        window = std::make_unique<TEnrolKeysFrm>(store, master, std::move(makeBus));
    }
    QLabel* status() const { return window->findChild<QLabel*>(QStringLiteral("StatusLbl")); }
    QColor background() const { return status()->palette().color(QPalette::Window); }
    int enrolled() const { return window->findChild<QListWidget*>(QStringLiteral("EnrolledList"))->count(); }
};

class tst_TEnrolKeysFrm : public QObject {
    Q_OBJECT
private slots:
    // Escape must not wait for a server that holds its answer, however long the search may last.
    void shouldCloseAtOnceWhateverTheServerDoes_data() { TFakeOwServer::addHoldingRows(); }
    void shouldCloseAtOnceWhateverTheServerDoes() {
        TFakeOwServer server(TFakeOwServer::fetchHoldingRow());
        TEnrolFixture f(QStringLiteral("127.0.0.1:%1").arg(server.port()),
                        [](const QString& at, const std::atomic<bool>& stop) {
                            return std::make_unique<TOwServerBus>(at, &stop, std::chrono::minutes(10));
                        });
        f.window->show();
        QTRY_COMPARE_WITH_TIMEOUT(server.requests(), 1, 30000);
        QElapsedTimer closing;
        closing.start();
        QTest::keyClick(f.window.get(), Qt::Key_Escape);
        // Far below the search's own deadline: closing ended it.
        QVERIFY2(closing.elapsed() < 20000, qPrintable(QString::number(closing.elapsed())));
        QVERIFY(!f.window->isVisible());
        QCOMPARE(f.enrolled(), 0);
    }

    // Events closer together than a flash: the colour that stays is the last event's, and then none.
    void shouldFlashInTheColourOfTheLastEvent() {
        TEnrolFixture f(QStringLiteral("127.0.0.1:%1").arg(TOwServerProcess::freePort()));
        const QColor normal = f.background();
        f.window->KeyTouched(QStringLiteral("2BC5FB000000"));
        const QColor enrolled = f.background();
        f.window->KeyTouched(QStringLiteral("2BC5FB000000")); // refused: held already
        const QColor refused = f.background();
        QVERIFY(enrolled != normal && refused != normal && refused != enrolled);
        QTRY_COMPARE_WITH_TIMEOUT(f.background(), normal, 10000);
        QCOMPARE(f.enrolled(), 2);
    }

    // A server that goes away is said until it is back; simulated devices are no reader.
    void shouldSayWhileTheServerIsAwayAndWhenItIsBack() {
        TOwServerProcess server;
        QVERIFY2(server.start(QStringLiteral("01.2BC5FB000000,10")),
                 "owserver is missing: tools/scripts/install-deps installs it");
        TEnrolFixture f(server.address());
        f.window->show();
        QTRY_COMPARE_WITH_TIMEOUT(f.enrolled(), 1, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(f.status()->text().contains(QStringLiteral("simulated devices")), 30000);
        QVERIFY2(f.status()->text().contains(QStringLiteral("/etc/owfs.conf")),
                 qPrintable(f.status()->text()));

        server.stop();
        QTRY_VERIFY_WITH_TIMEOUT(f.status()->text().contains(QStringLiteral("has gone away")), 30000);
        QCOMPARE(f.boxes.count(TMessageBoxes::Kind::Error), 1);
        QTest::qWait(500); // searches keep failing: still said, still one box
        QVERIFY2(f.status()->text().contains(QStringLiteral("has gone away")),
                 qPrintable(f.status()->text()));
        QCOMPARE(f.boxes.count(TMessageBoxes::Kind::Error), 1);

        QVERIFY(server.start(QStringLiteral("01.2BC5FB000000,10")));
        QTRY_VERIFY_WITH_TIMEOUT(f.status()->text().contains(QStringLiteral("simulated devices")), 30000);
        QCOMPARE(f.enrolled(), 1); // the key on the reader all along is not enrolled twice
        f.window->reject();
    }
};

QTEST_MAIN(tst_TEnrolKeysFrm)
#include "tst_TEnrolKeysFrm.moc"
