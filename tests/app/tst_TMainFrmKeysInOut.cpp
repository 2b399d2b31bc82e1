#include "app/TAppForms.h"
#include "app/TMainFrm.h"
#include "dbf/TDbfTable.h"
#include "keylist/TKeyListStore.h"
#include "keylist/ui/TDBEditFrm.h"
#include "onewire/TOneWireSettings.h"
#include "tests/support/TOwServerProcess.h"
#include "tests/support/TTestFileDialogs.h"
#include "tests/support/TTestMessageBoxes.h"
#include "tests/support/TWindowParts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace TWindowParts;

// The program's windows over a private temporary directory, with scripted boxes and file dialogs.
// With VTRK_SCREENSHOTS naming a directory, the tests leave pictures of what they showed there.
struct TWindowFixture {
    QTemporaryDir temp;
    TTestMessageBoxes boxes;
    TTestFileDialogs dialogs;
    TAppForms forms;
    TMainFrm* frm = nullptr;

    TWindowFixture() {
        qputenv("TEMP", QFile::encodeName(temp.path()));
        forms.create();
        frm = forms.MainFrm;
        frm->show();
        Action(frm, "DNewBDAct")->trigger();
        boxes.clear();
    }
    ~TWindowFixture() {
        frm->KeyList().SetModified(false);
        frm->close();
    }
    QString file(const char* name, const QByteArray& bytes = QByteArray()) const {
        const QString path = QDir(temp.path()).filePath(QString::fromLatin1(name));
        if (!bytes.isNull()) {
            QFile out(path);
            out.open(QIODevice::WriteOnly);
            out.write(bytes);
        }
        return path;
    }
    QString cell(QTableView* grid, int row, int column) const {
        return grid->model()->index(row, column).data().toString();
    }
    static void shoot(QWidget* widget, const QString& name) {
        const QString dir = qEnvironmentVariable("VTRK_SCREENSHOTS");
        if (!dir.isEmpty())
            widget->grab().save(QDir(dir).filePath(name));
    }
    // Runs action once the next modal dialog has started. A check failing inside it still ends
    // the dialog, so that the test fails instead of waiting for ever.
    static void whenModal(std::function<void()> action) {
        QTimer::singleShot(50, [action] {
            [&action] {
                QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget(), 10000);
                action();
            }();
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->done(QDialog::Rejected);
        });
    }
};

class tst_TMainFrmKeysInOut : public QObject {
    Q_OBJECT
    QTemporaryDir config;

private slots:
    void initTestCase() {
        // The remembered server address goes to a private settings directory.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    }

    void shouldImportOnlyWhenThePreviewIsConfirmed_data() {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("Cancel") << false;
        QTest::newRow("Import") << true;
    }
    void shouldImportOnlyWhenThePreviewIsConfirmed() {
        QFETCH(bool, confirm);
        TWindowFixture f;
        f.dialogs.queueAnswer(f.file("tenants.csv", "Type;Slot;Key;Name\r\n"
                                                    "M;0;66 000000FBC52B 01;Caretaker\r\n"
                                                    "S;;01.4AEC29CDBAAB;Flat 1\r\n"
                                                    "S;;012BC5FB00000067;Flat 2\r\n"
                                                    "S;;01.4AEC29CDBAAB;Flat 3\r\n"));
        QStringList seen;
        TWindowFixture::whenModal([&] {
            QWidget* preview = QApplication::activeModalWidget();
            auto* changes = preview->findChild<QTreeWidget*>(QStringLiteral("ChangesView"));
            for (int i = 0; i < changes->topLevelItemCount(); ++i)
                seen << changes->topLevelItem(i)->text(0) + ": " + changes->topLevelItem(i)->text(1);
            auto* rejects = preview->findChild<QListWidget*>(QStringLiteral("RejectsView"));
            for (int i = 0; i < rejects->count(); ++i)
                seen << rejects->item(i)->text();
            // The list is untouched while the preview is shown.
            seen << f.cell(Grid(f.frm, "MKeysGrid"), 0, 1);
            TWindowFixture::shoot(preview, QStringLiteral("import-preview.png"));
            preview
                ->findChild<QPushButton*>(confirm ? QStringLiteral("ImportBtn") : QStringLiteral("CancelBtn"))
                ->click();
        });
        Action(f.frm, "MenuImportCsv")->trigger();
        QCOMPARE(seen.size(), 5);
        QCOMPARE(seen[0], QStringLiteral("2: master key #1"));
        QCOMPARE(seen[1], QStringLiteral("3: slave key #1"));
        QVERIFY(seen[2].startsWith(QStringLiteral("Line 4: The key number 012BC5FB00000067 fails")));
        QCOMPARE(seen[3], QStringLiteral("Line 5: the key 4AEC29CDBAAB is a duplicate of line 3"));
        QCOMPARE(seen[4], QStringLiteral("<EMPTY>"));
        QCOMPARE(f.cell(Grid(f.frm, "MKeysGrid"), 0, 1),
                 confirm ? QStringLiteral("2BC5FB000000") : QStringLiteral("<EMPTY>"));
        QCOMPARE(f.cell(Grid(f.frm, "SKeysGrid"), 0, 3), confirm ? QStringLiteral("Flat 1") : QString());
        QCOMPARE(f.frm->KeyList().Modified(), confirm);
        QVERIFY(f.boxes.shown.isEmpty());
    }

    void shouldExportTheOpenListOrSayWhyNot() {
        TWindowFixture f;
        TDbfTable& master = f.frm->Store().MKeysTable();
        master.First();
        master.Edit();
        master.FieldByName(QStringLiteral("KEYCODE"))->SetAsString(QStringLiteral("2BC5FB000000"));
        master.FieldByName(QStringLiteral("KEYSTATUS"))->SetAsBoolean(true);
        master.FieldByName(QStringLiteral("KEYMEMO"))->SetAsString(QStringLiteral("Caretaker, day"));
        master.Post();
        const QString path = f.file("out.csv");
        f.dialogs.queueAnswer(path);
        Action(f.frm, "MenuExportCsv")->trigger();
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = written.readAll().split('\n');
        QCOMPARE(lines.size(), 1 + 136 + 1);
        QCOMPARE(
            lines[1],
            QByteArray("M,1,0,2BC5FB000000,66 000000FBC52B 01,yes,\"Caretaker, day\",<unknown>,<unknown>\r"));

        f.dialogs.queueAnswer(f.file("no such folder/out.csv"));
        Action(f.frm, "MenuExportCsv")->trigger();
        QCOMPARE(f.boxes.count(TMessageBoxes::Kind::Error), 1);
        QVERIFY2(f.boxes.shown[0].text.contains(QStringLiteral("Can not write the CSV file")),
                 qPrintable(f.boxes.shown[0].text));
    }

    void shouldShowTheEngravedFormInTheKeyDialog() {
        TWindowFixture f;
        Pages(f.frm, "PageControl")->setCurrentIndex(2);
        QApplication::clipboard()->setText(QStringLiteral("66 000000FBC52B 01"));
        QString engraved;
        TWindowFixture::whenModal([&] {
            TDBEditFrm* dialog = f.forms.DBEditFrm;
            auto* code = dialog->findChild<QLineEdit*>(QStringLiteral("KeyCodeEdit"));
            code->setFocus();
            QTest::keyClick(code, Qt::Key_V, Qt::ControlModifier);
            auto* info = dialog->findChild<QLineEdit*>(QStringLiteral("KeyInfoEdit"));
            info->setText(QStringLiteral("Flat 12"));
            emit info->textEdited(info->text());
            dialog->findChild<QCheckBox*>(QStringLiteral("ActiveCB"))->click();
            engraved = dialog->findChild<QLineEdit*>(QStringLiteral("EngravedEdit"))->text();
            TWindowFixture::shoot(dialog, QStringLiteral("key-dialog-engraved.png"));
            dialog->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
        });
        Action(f.frm, "SEditKeyBtn")->trigger();
        QCOMPARE(engraved, QStringLiteral("66 000000FBC52B 01"));
        QCOMPARE(f.cell(Grid(f.frm, "SKeysGrid"), 0, 1), QStringLiteral("2BC5FB000000"));
    }

    // The enrolment window against a real owserver with two fake touch keys and a thermometer.
    void shouldEnrolTheKeysOfARealReader() {
        TOwServerProcess server;
        QVERIFY2(server.start(QStringLiteral("01.2BC5FB000000,10,01.4AEC29CDBAAB")),
                 "owserver is missing: tools/scripts/install-deps installs it");
        TOneWireSettings::SetServerAddress(server.address());
        TWindowFixture f;
        Pages(f.frm, "PageControl")->setCurrentIndex(1);
        f.frm->Store().MKeysTable().Next();
        QStringList enrolled;
        TWindowFixture::whenModal([&] {
            QWidget* enrol = QApplication::activeModalWidget();
            auto* list = enrol->findChild<QListWidget*>(QStringLiteral("EnrolledList"));
            // The server takes a moment to start; the window keeps trying.
            QTRY_COMPARE_WITH_TIMEOUT(list->count(), 2, 60000);
            for (int i = 0; i < list->count(); ++i)
                enrolled << list->item(i)->text();
            TWindowFixture::shoot(enrol, QStringLiteral("enrol-keys.png"));
            enrol->findChild<QPushButton*>(QStringLiteral("UndoBtn"))->click();
            enrol->findChild<QPushButton*>(QStringLiteral("CloseBtn"))->click();
        });
        Action(f.frm, "MEnrolKeysBtn")->trigger();
        server.stop();
        QCOMPARE(enrolled.size(), 2);
        QVERIFY2(enrolled.join(' ').contains(QStringLiteral("66 000000FBC52B 01")),
                 qPrintable(enrolled.join('\n')));
        // Rows 1 and 2 of the master page got the keys; the second one was undone.
        QStringList codes{f.cell(Grid(f.frm, "MKeysGrid"), 1, 1), f.cell(Grid(f.frm, "MKeysGrid"), 2, 1)};
        QVERIFY2(codes.contains(QStringLiteral("<EMPTY>")), qPrintable(codes.join(' ')));
        codes.removeAll(QStringLiteral("<EMPTY>"));
        QVERIFY(codes[0] == QStringLiteral("2BC5FB000000") || codes[0] == QStringLiteral("4AEC29CDBAAB"));
        QVERIFY(f.frm->KeyList().Modified());
        QVERIFY2(f.boxes.shown.size() <= 1, qPrintable(f.boxes.texts().join('\n')));
    }

    void shouldTellHowToStartAMissingServer() {
        TOneWireSettings::SetServerAddress(QStringLiteral("localhost:%1").arg(TOwServerProcess::freePort()));
        TWindowFixture f;
        Pages(f.frm, "PageControl")->setCurrentIndex(2);
        QString status;
        TWindowFixture::whenModal([&] {
            QWidget* enrol = QApplication::activeModalWidget();
            QTRY_COMPARE_WITH_TIMEOUT(f.boxes.shown.size(), 1, 30000);
            QTest::qWait(500); // more failed attempts: still one box
            status = enrol->findChild<QLabel*>(QStringLiteral("StatusLbl"))->text();
            enrol->findChild<QPushButton*>(QStringLiteral("CloseBtn"))->click();
        });
        Action(f.frm, "SEnrolKeysBtn")->trigger();
        QCOMPARE(f.boxes.shown.size(), 1);
        QVERIFY2(f.boxes.shown[0].text.contains(QStringLiteral("sudo apt-get install owserver")),
                 qPrintable(f.boxes.shown[0].text));
        QVERIFY(status.contains(QStringLiteral("owserver")));
        QVERIFY(!f.frm->KeyList().Modified());
    }
};

QTEST_MAIN(tst_TMainFrmKeysInOut)
#include "tst_TMainFrmKeysInOut.moc"
