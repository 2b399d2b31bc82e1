#include "TDbfBytes.h"
#include "TFakeKeyListHost.h"
#include "TTestFileDialogs.h"
#include "TTestMessageBoxes.h"

#include <QDir>
#include <QFile>
#include <QTest>

using Answer = TMessageBoxes::Answer;
using Kind = TMessageBoxes::Kind;

namespace {
const QString Prefix = QStringLiteral("VELM Tarvikon   Key file: ");
}

class tst_TKeyListCommands : public QObject {
    Q_OBJECT
private slots:
    void shouldStartANewUnchangedUnnamedList() {
        TKeyListFixture f;
        TTestMessageBoxes boxes;
        f.commands.New();
        QCOMPARE(boxes.texts(), QStringList({"New key list created succesefully."}));
        QCOMPARE(f.host.caption, Prefix + "New key list");
        QCOMPARE(f.host.status, QStringLiteral("Key list: new key list"));
        QCOMPARE(f.commands.KeyListTitle(), QStringLiteral("New key list"));
        QVERIFY(f.commands.KeyListPath().isEmpty());
        QVERIFY(!f.commands.KeyListModified());
        QVERIFY(f.host.saveEnabled);
        QVERIFY(!f.host.progressShown);
        QCOMPARE(f.host.info, QStringLiteral("<unknown>"));
        QVERIFY(f.store.IsOpen());
    }

    void shouldShowTheOpenedFileInCaptionAndStatusBar() {
        TKeyListFixture f;
        TTestMessageBoxes boxes;
        TTestFileDialogs dialogs;
        f.newList();
        const QString door1 = f.filePath("door1.dbf");
        f.store.Save(door1, {"SN-1", "Door one"});
        f.host.info = f.host.serial = QString();
        f.host.KeyListModified = false;
        dialogs.queueAnswer(door1);
        f.commands.Open();
        QCOMPARE(dialogs.asked.size(), 1);
        QCOMPARE(dialogs.asked[0].title, QStringLiteral("Create new key list"));
        QVERIFY(!dialogs.asked[0].save);
        QCOMPARE(f.host.caption, Prefix + "door1.dbf");
        QCOMPARE(f.host.status, "Key list: " + door1);
        QCOMPARE(f.commands.KeyListPath(), door1);
        QCOMPARE(f.commands.KeyListTitle(), QStringLiteral("door1.dbf"));
        QCOMPARE(f.host.serial, QStringLiteral("SN-1"));
        QCOMPARE(f.host.info, QStringLiteral("Door one"));
        QVERIFY(!f.commands.KeyListModified());
        QVERIFY(boxes.shown.isEmpty());
    }

    void shouldSaveAsUnderTheChosenPath() {
        TKeyListFixture f;
        TTestMessageBoxes boxes;
        TTestFileDialogs dialogs;
        f.commands.New();
        const QString door2 = f.filePath("door2.dbf");
        dialogs.queueAnswer(door2);
        QVERIFY(f.commands.SaveAs());
        QCOMPARE(dialogs.asked.size(), 1);
        QVERIFY(dialogs.asked[0].save);
        QVERIFY(dialogs.asked[0].title.isEmpty());
        QCOMPARE(dialogs.asked[0].filter, QStringLiteral("DBF tables (*.dbf)"));
        QCOMPARE(f.host.caption, Prefix + "door2.dbf");
        QCOMPARE(f.host.status, "Key list: " + door2);
        QCOMPARE(f.commands.KeyListTitle(), door2);
        QCOMPARE(f.commands.KeyListPath(), door2);
        QVERIFY(!f.commands.SaveAsPending());
        QCOMPARE(TDbfBytes(door2).recordCount(), 137);
    }

    void shouldWriteNothingWhenSaveAsIsCancelled() {
        TKeyListFixture f;
        TTestMessageBoxes boxes;
        TTestFileDialogs dialogs;
        f.commands.New();
        const QString first = f.filePath("first.dbf");
        dialogs.queueAnswer(first);
        QVERIFY(f.commands.SaveAs());
        f.host.info = QStringLiteral("Changed");
        f.commands.MarkChanged();
        dialogs.queueAnswer(QString());
        QVERIFY(!f.commands.SaveAs());
        QVERIFY(f.commands.KeyListModified());
        QCOMPARE(QDir(f.files.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"first.dbf"}));
        QCOMPARE(f.commands.KeyListPath(), first);
        QVERIFY(f.commands.Save());
        QCOMPARE(dialogs.asked.size(), 2);
        QVERIFY(!f.commands.KeyListModified());
        QVERIFY(TDbfBytes(first).record(1).contains("Changed"));
    }

    void shouldAskForANameWhenSavingANewList() {
        TKeyListFixture f;
        TTestMessageBoxes boxes;
        TTestFileDialogs dialogs;
        f.commands.New();
        f.commands.MarkChanged();
        dialogs.queueAnswer(QString());
        QVERIFY(!f.commands.Save());
        QCOMPARE(dialogs.asked.size(), 1);
        QVERIFY(f.commands.KeyListModified());
        QVERIFY(QDir(f.files.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
        const QString named = f.filePath("named.dbf");
        dialogs.queueAnswer(named);
        QVERIFY(f.commands.Save());
        QVERIFY(!f.commands.KeyListModified());
        QCOMPARE(f.commands.KeyListPath(), named);
    }

    void shouldDoNothingWhenSavingWithoutAList() {
        TKeyListFixture f;
        TTestMessageBoxes boxes;
        TTestFileDialogs dialogs;
        f.commands.MarkChanged();
        QVERIFY(f.commands.Save());
        QVERIFY(dialogs.asked.isEmpty());
        QVERIFY(boxes.shown.isEmpty());
    }

    void shouldKeepTheListChangedWhenTheSaveFails_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only file") << "readonly"
                                        << "Permission denied";
        QTest::newRow("below a plain file") << "notdir"
                                            << "Not a directory";
    }
    void shouldKeepTheListChangedWhenTheSaveFails() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        TKeyListFixture f;
        TTestMessageBoxes boxes;
        TTestFileDialogs dialogs;
        f.commands.New();
        const QString first = f.filePath("first.dbf");
        dialogs.queueAnswer(first);
        QVERIFY(f.commands.SaveAs());
        QString target = f.filePath("readonly.dbf");
        if (kind == "readonly") {
            QFile::copy(first, target);
            QVERIFY(QFile::setPermissions(target, QFile::ReadOwner));
        } else {
            target = first + "/list.dbf";
        }
        const QByteArray before = TDbfBytes(kind == "readonly" ? target : first).data;
        f.host.info = QStringLiteral("Changed");
        f.commands.MarkChanged();
        boxes.clear();
        dialogs.queueAnswer(target);
        QVERIFY(!f.commands.SaveAs());
        QCOMPARE(boxes.count(Kind::Error), 1);
        QVERIFY2(boxes.shown[0].text.contains(target) && boxes.shown[0].text.contains(reason),
                 qPrintable(boxes.shown[0].text));
        QVERIFY(f.commands.KeyListModified());
        QCOMPARE(f.commands.KeyListPath(), first);
        QCOMPARE(f.host.caption, Prefix + "first.dbf");
        QCOMPARE(TDbfBytes(kind == "readonly" ? target : first).data, before);
        QCOMPARE(QDir(f.files.path()).entryList(QDir::Files | QDir::Hidden).size(),
                 kind == "readonly" ? 2 : 1);
    }

    void shouldAskBeforeReplacingAChangedList_data() {
        QTest::addColumn<bool>("viaOpen");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<bool>("saved");
        for (bool viaOpen : {false, true}) {
            const char* command = viaOpen ? "Open" : "New";
            QTest::addRow("%s, Yes", command) << viaOpen << int(Answer::Yes) << true << true;
            QTest::addRow("%s, No", command) << viaOpen << int(Answer::No) << true << false;
            QTest::addRow("%s, Cancel", command) << viaOpen << int(Answer::Cancel) << false << false;
        }
    }
    void shouldAskBeforeReplacingAChangedList() {
        QFETCH(bool, viaOpen);
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        QFETCH(bool, saved);
        TKeyListFixture f;
        TTestMessageBoxes boxes;
        TTestFileDialogs dialogs;
        f.newList();
        const QString other = f.filePath("other.dbf");
        f.store.Save(other, {"OTHER", "Other list"});
        const QString mine = f.filePath("mine.dbf");
        dialogs.queueAnswer(mine);
        QVERIFY(f.commands.SaveAs());
        TKeyListFixture::goRow(f.master, 1);
        TKeyListFixture::setKey(f.master, QStringLiteral("123412341234"), true, QStringLiteral("new key"));
        QVERIFY(f.commands.KeyListModified());
        boxes.clear();
        boxes.queueAnswer(Answer(answer));
        if (viaOpen) {
            dialogs.queueAnswer(other);
            f.commands.Open();
        } else {
            f.commands.New();
        }
        QCOMPARE(boxes.count(TKeyListCommands::SavePrompt), 1);
        QCOMPARE(TDbfBytes(mine).data.contains("123412341234"), saved);
        QCOMPARE(f.commands.KeyListModified(), !replaced);
        QCOMPARE(f.master.RowCount(), 8);
        TKeyListFixture::goRow(f.master, 1);
        QCOMPARE(TKeyListFixture::text(f.master, "KEYCODE"),
                 replaced ? QStringLiteral("<EMPTY>") : QStringLiteral("123412341234"));
    }

    void shouldNotAskForAnUnchangedList() {
        TKeyListFixture f;
        TTestMessageBoxes boxes;
        f.commands.New();
        boxes.clear();
        f.commands.New();
        QCOMPARE(boxes.count(TKeyListCommands::SavePrompt), 0);
    }

    void shouldStayOnTheOpenListWhenTheChosenFileIsNoKeyList() {
        TKeyListFixture f;
        TTestMessageBoxes boxes;
        TTestFileDialogs dialogs;
        f.newList();
        const QString good = f.filePath("good.dbf");
        f.store.Save(good, {"SN-9", "Good list"});
        dialogs.queueAnswer(good);
        f.commands.Open();
        f.host.info = QStringLiteral("typed");
        f.commands.MarkChanged();
        const QString bad = f.filePath("notes.dbf");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("just some notes\n");
        file.close();
        dialogs.queueAnswer(bad);
        boxes.queueAnswer(Answer::No);
        f.commands.Open();
        QCOMPARE(boxes.count(Kind::Error), 1);
        QVERIFY(boxes.shown.last().text.contains(bad));
        QCOMPARE(f.host.caption, Prefix + "good.dbf");
        QCOMPARE(f.host.status, "Key list: " + good);
        QCOMPARE(f.commands.KeyListPath(), good);
        QCOMPARE(f.host.info, QStringLiteral("typed"));
        QVERIFY(f.commands.KeyListModified());
        QVERIFY(f.store.IsOpen());
    }

    void shouldReportThatNoListCanBeCreatedAndKeepTheState() {
        TKeyListFixture f;
        TTestMessageBoxes boxes;
        f.host.caption = QStringLiteral("before");
        f.store.SetWorkDir(f.work.filePath("gone"));
        f.commands.New();
        QCOMPARE(boxes.texts(),
                 QStringList({"Can not create file here. Check you access rights or contact your "
                              "system administrator."}));
        QCOMPARE(f.host.caption, QStringLiteral("before"));
        QVERIFY(!f.store.IsOpen());
    }
};

QTEST_MAIN(tst_TKeyListCommands)
#include "tst_TKeyListCommands.moc"
