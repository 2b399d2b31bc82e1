#include "serial/EConvertError.h"
#include "serial/TSerComPort.h"
#include "serial/TSerPortMap.h"
#include "serial/ui/TComSelectForm.h"
#include "serial/ui/TQtPortChooser.h"
#include "settings/TAppSettings.h"
#include "tests/support/TPtyPeer.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <unistd.h>

namespace {
void WriteFile(const QString& path, const QByteArray& content = QByteArray()) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QStringList Entries(const TComSelectForm& form) {
    QStringList entries;
    for (int i = 0; i < form.PortsComboBox->count(); ++i)
        entries << form.PortsComboBox->itemText(i);
    return entries;
}

QWidget* NextTabStop(QWidget* widget) {
    do
        widget = widget->nextInFocusChain();
    while (!(widget->focusPolicy() & Qt::TabFocus));
    return widget;
}

// Acts on the chooser once its modal loop runs.
void WhenShown(std::function<void(TComSelectForm&)> act) {
    QTimer::singleShot(0, [act] {
        auto* form = qobject_cast<TComSelectForm*>(QApplication::activeModalWidget());
        QVERIFY(form);
        act(*form);
    });
}
} // namespace

class tst_TComSelectForm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void shouldNumberRealUartsThenUsbThenAcmInDeviceOrder();
    void shouldLetTheEnvironmentMapAnyNumberButNeverBeyondFifty();
    void shouldShowTheSelectedDeviceWithItsStableNameAndAdapter();
    void shouldExplainTheRemedyForAPortTheUserMayNotOpen();
    void shouldListPortsInAscendingOrderAndSelectTheFirst();
    void shouldListAPortThatIsOpenAlready();
    void shouldFailToConvertWhenTheListIsEmpty();
    void shouldCloseWithOkAbortOrCancel_data();
    void shouldCloseWithOkAbortOrCancel();
    void shouldIgnoreEscape();
    void shouldHandTheChosenNumberBackThroughTheChooser();
    void shouldPreselectTheRememberedPortAndRememberTheChoice_data();
    void shouldPreselectTheRememberedPortAndRememberTheChoice();
    void shouldShowTheFixedTextsAndTabOrder();

private:
    void MakeTree();
    QTemporaryDir root{"/tmp/vtrk-XXXXXX"};
    QString dev, sys;
};

void tst_TComSelectForm::shouldPreselectTheRememberedPortAndRememberTheChoice_data() {
    QTest::addColumn<int>("remembered");
    QTest::addColumn<QString>("chosen"); // empty: OK on what is preselected; "cancel": Cancel
    QTest::addColumn<QString>("preselected");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("rememberedAfter");
    QTest::newRow("remembered port listed") << 3 << ""
                                            << "COM3" << 3 << 3;
    QTest::newRow("remembered port gone") << 9 << ""
                                          << "COM1" << 1 << 1;
    QTest::newRow("nothing remembered") << 0 << ""
                                        << "COM1" << 1 << 1;
    QTest::newRow("another port chosen") << 3 << "COM5"
                                         << "COM3" << 5 << 5;
    QTest::newRow("cancelled") << 4 << "cancel"
                               << "COM4" << 0 << 4;
}

void tst_TComSelectForm::shouldPreselectTheRememberedPortAndRememberTheChoice() {
    QFETCH(int, remembered);
    QFETCH(QString, chosen);
    QFETCH(QString, preselected);
    QFETCH(int, result);
    QFETCH(int, rememberedAfter);
    QTemporaryDir config;
    const QString file = config.filePath("velm-tarvikon.conf");
    TAppSettings(file).setComNumber(remembered);
    TAppSettings settings(file);
    TQtPortChooser chooser(&settings);
    QString shownFirst;
    WhenShown([&shownFirst, chosen](TComSelectForm& shown) {
        shownFirst = shown.PortsComboBox->currentText();
        if (chosen == "cancel") {
            shown.AbortBtn->click();
            return;
        }
        if (!chosen.isEmpty())
            shown.PortsComboBox->setCurrentText(chosen);
        shown.OkBtn->click();
    });
    QCOMPARE(chooser.ChoosePort(), result);
    QCOMPARE(shownFirst, preselected);
    QCOMPARE(TAppSettings(file).comNumber(), rememberedAfter);
}

void tst_TComSelectForm::initTestCase() {
    QVERIFY(root.isValid());
    dev = root.path() + "/dev";
    sys = root.path() + "/sys";
    MakeTree();
    TSerPortMap::SetRoots(dev, sys);
}

void tst_TComSelectForm::cleanupTestCase() {
    TSerPortMap::SetRoots(QString(), QString());
}

void tst_TComSelectForm::cleanup() {
    for (int n = 1; n <= 60; ++n)
        qunsetenv(("VTRK_COM" + QByteArray::number(n)).constData());
}

void tst_TComSelectForm::MakeTree() {
    for (const char* name :
         {"ttyS0", "ttyS1", "ttyS2", "ttyS10", "ttyUSB1", "ttyUSB0", "ttyACM0", "ttyX9", "other"})
        WriteFile(dev + '/' + name);
    WriteFile(sys + "/class/tty/ttyS0/type", "4\n");
    WriteFile(sys + "/class/tty/ttyS1/type", "0\n"); // a node without a UART behind it
    WriteFile(sys + "/class/tty/ttyS10/type", "4\n");

    const QString adapter = sys + "/devices/usb1/1-1";
    WriteFile(adapter + "/product", "FT232R USB UART\n");
    WriteFile(adapter + "/manufacturer", "FTDI\n");
    QDir().mkpath(adapter + "/1-1:1.0/ttyUSB0");
    QDir().mkpath(sys + "/class/tty/ttyUSB0");
    QVERIFY(QFile::link(adapter + "/1-1:1.0/ttyUSB0", sys + "/class/tty/ttyUSB0/device"));
    QDir().mkpath(dev + "/serial/by-id");
    QVERIFY(
        QFile::link(dev + "/ttyUSB0", dev + "/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"));
}

void tst_TComSelectForm::shouldNumberRealUartsThenUsbThenAcmInDeviceOrder() {
    const QStringList expected = {dev + "/ttyS0", dev + "/ttyS10", dev + "/ttyUSB0", dev + "/ttyUSB1",
                                  dev + "/ttyACM0"};
    for (int n = 1; n <= expected.size(); ++n)
        QCOMPARE(TSerPortMap::DevicePath(n), expected.at(n - 1));
    QCOMPARE(TSerPortMap::DevicePath(6), QString());
    QCOMPARE(TSerPortMap::DevicePath(0), QString());
    QVERIFY(!TComSelectForm::ProbePort(0));
    QVERIFY(!TComSelectForm::ProbePort(6));
}

void tst_TComSelectForm::shouldLetTheEnvironmentMapAnyNumberButNeverBeyondFifty() {
    qputenv("VTRK_COM2", (dev + "/other").toLocal8Bit());
    qputenv("VTRK_COM50", (dev + "/ttyX9").toLocal8Bit());
    qputenv("VTRK_COM51", (dev + "/ttyX9").toLocal8Bit());
    qputenv("VTRK_COM7", (dev + "/missing").toLocal8Bit());
    QCOMPARE(TSerPortMap::DevicePath(2), dev + "/other");
    QCOMPARE(TSerPortMap::DevicePath(3), dev + "/ttyUSB0"); // the rule's numbers stay as they were
    QCOMPARE(TSerPortMap::DevicePath(50), dev + "/ttyX9");
    QCOMPARE(TSerPortMap::DevicePath(51), QString());
    QVERIFY(!TComSelectForm::ProbePort(7)); // mapped, but nothing there

    TComSelectForm form;
    QCOMPARE(Entries(form), QStringList({"COM1", "COM2", "COM3", "COM4", "COM5", "COM50"}));
}

void tst_TComSelectForm::shouldShowTheSelectedDeviceWithItsStableNameAndAdapter() {
    const TSerPortEntry entry = TSerPortMap::Describe(3);
    QCOMPARE(entry.path, dev + "/ttyUSB0");
    QCOMPARE(entry.byIdPath, dev + "/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    QCOMPARE(entry.description, QString("FTDI FT232R USB UART"));
    QVERIFY(entry.accessible);
    QCOMPARE(TSerPortMap::Describe(1).byIdPath, QString());

    TComSelectForm form;
    QCOMPARE(form.PathLabel->text(), dev + "/ttyS0");
    form.PortsComboBox->setCurrentIndex(2);
    const QStringList lines = form.PathLabel->text().split('\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0), entry.path);
    QCOMPARE(lines.at(1), entry.description);
    QVERIFY(lines.at(2).endsWith("-if00-port0"));
    QCOMPARE(form.PathLabel->toolTip(), entry.byIdPath);
}

void tst_TComSelectForm::shouldExplainTheRemedyForAPortTheUserMayNotOpen() {
    if (::geteuid() == 0)
        QSKIP("root may open every device");
    const QString locked = dev + "/ttyLocked";
    WriteFile(locked);
    QFile::setPermissions(locked, QFileDevice::Permissions());
    qputenv("VTRK_COM9", locked.toLocal8Bit());
    QVERIFY(!TSerPortMap::Describe(9).accessible);
    TComSelectForm form;
    form.PortsComboBox->setCurrentText("COM9");
    QVERIFY(form.PathLabel->text().contains("sudo usermod -aG dialout $USER"));
}

void tst_TComSelectForm::shouldListPortsInAscendingOrderAndSelectTheFirst() {
    TComSelectForm form;
    QCOMPARE(Entries(form), QStringList({"COM1", "COM2", "COM3", "COM4", "COM5"}));
    QCOMPARE(form.PortsComboBox->currentIndex(), 0);
    QCOMPARE(form.ChosenPortNumber(), 1);
    form.PortsComboBox->setCurrentIndex(4);
    QCOMPARE(form.ChosenPortNumber(), 5);
}

void tst_TComSelectForm::shouldListAPortThatIsOpenAlready() {
    TPtyPeer peer;
    peer.mapTo(3);
    TSerComPort port;
    port.SetComNumber(3);
    port.SetOpen(true);
    TComSelectForm form;
    QVERIFY(Entries(form).contains("COM3"));
    form.PortsComboBox->setCurrentText("COM3");
    QCOMPARE(form.ChosenPortNumber(), 3);
    QVERIFY(port.Open());
}

void tst_TComSelectForm::shouldFailToConvertWhenTheListIsEmpty() {
    QTemporaryDir empty;
    TSerPortMap::SetRoots(empty.path(), empty.path());
    TComSelectForm form;
    TSerPortMap::SetRoots(dev, sys);
    QCOMPARE(form.PortsComboBox->count(), 0);
    QCOMPARE(form.PortsComboBox->currentIndex(), -1);
    QString text;
    try {
        form.ChosenPortNumber();
    } catch (const EConvertError& error) {
        text = error.what();
    }
    QCOMPARE(text, QString("'' is not a valid integer value"));
}

void tst_TComSelectForm::shouldCloseWithOkAbortOrCancel_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("OK button") << "OkBtn" << int(TComSelectForm::mrOk);
    QTest::newRow("Enter") << "Enter" << int(TComSelectForm::mrOk);
    QTest::newRow("Cancel button") << "AbortBtn" << int(TComSelectForm::mrAbort);
    QTest::newRow("close box") << "close" << int(TComSelectForm::mrCancel);
}

void tst_TComSelectForm::shouldCloseWithOkAbortOrCancel() {
    QFETCH(QString, how);
    QFETCH(int, result);
    TComSelectForm form;
    WhenShown([how](TComSelectForm& shown) {
        if (how == "close")
            shown.close();
        else if (how == "Enter")
            QTest::keyClick(&shown, Qt::Key_Return);
        else
            QTest::mouseClick(shown.findChild<QPushButton*>(how), Qt::LeftButton);
    });
    QCOMPARE(form.exec(), result);
}

void tst_TComSelectForm::shouldIgnoreEscape() {
    TComSelectForm form;
    bool stillOpen = false;
    WhenShown([&stillOpen](TComSelectForm& shown) {
        QTest::keyClick(&shown, Qt::Key_Escape);
        stillOpen = shown.isVisible();
        shown.done(TComSelectForm::mrAbort);
    });
    QCOMPARE(form.exec(), int(TComSelectForm::mrAbort));
    QVERIFY(stillOpen);
}

void tst_TComSelectForm::shouldHandTheChosenNumberBackThroughTheChooser() {
    TQtPortChooser chooser;
    WhenShown([](TComSelectForm& shown) {
        shown.PortsComboBox->setCurrentText("COM4");
        shown.OkBtn->click();
    });
    QCOMPARE(chooser.ChoosePort(), 4);
    WhenShown([](TComSelectForm& shown) { shown.AbortBtn->click(); });
    QCOMPARE(chooser.ChoosePort(), 0);
    WhenShown([](TComSelectForm& shown) { shown.close(); });
    QCOMPARE(chooser.ChoosePort(), 0);

    QTemporaryDir empty;
    TSerPortMap::SetRoots(empty.path(), empty.path());
    WhenShown([](TComSelectForm& shown) { shown.OkBtn->click(); });
    bool converted = true;
    try {
        chooser.ChoosePort();
    } catch (const EConvertError&) {
        converted = false;
    }
    TSerPortMap::SetRoots(dev, sys);
    QVERIFY(!converted);
}

void tst_TComSelectForm::shouldShowTheFixedTextsAndTabOrder() {
    TComSelectForm form;
    QCOMPARE(form.windowTitle(), QString("Select Port"));
    QCOMPARE(form.Label1->text(), QString("The configured serial port is not valid."));
    QCOMPARE(form.Label2->text(), QString("Please choose another port."));
    QCOMPARE(form.OkBtn->text(), QString("OK"));
    QCOMPARE(form.AbortBtn->text(), QString("Cancel"));
    QVERIFY(form.OkBtn->isDefault());
    QVERIFY(!form.PortsComboBox->isEditable());
    QVERIFY(form.width() >= 220);
    for (QLabel* label : {form.Label1, form.Label2}) {
        QVERIFY2(label->width() >= label->sizeHint().width(), "text clipped");
        QVERIFY(label->geometry().right() < form.Bevel1->geometry().right());
    }
    QCOMPARE(form.AbortBtn->geometry().right(), form.Bevel1->geometry().right());
    QCOMPARE(NextTabStop(form.OkBtn), form.AbortBtn);
    QCOMPARE(NextTabStop(form.AbortBtn), form.PortsComboBox);
    QCOMPARE(NextTabStop(form.PortsComboBox), form.OkBtn);
}

QTEST_MAIN(tst_TComSelectForm)
#include "tst_TComSelectForm.moc"
