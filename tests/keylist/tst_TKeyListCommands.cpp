#include "settings/TAppSettings.h"
#include "tests/keylist/TDbfBytes.h"
#include "tests/keylist/TFakeKeyListHost.h"
#include "tests/support/TTestFileDialogs.h"
#include "tests/support/TTestMessageBoxes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <stdexcept>
#include <sys/stat.h>

using Answer = TMessageBoxes::Answer;
using Kind = TMessageBoxes::Kind;

namespace {
const QString Prefix = QStringLiteral("VELM Tarvikon   Key file: ");

// The commands with the message boxes and file dialogs the test answers.
struct TCommandsFixture : TKeyListFixture {
    TTestMessageBoxes boxes;
    TTestFileDialogs dialogs;

    // Saves the open list with Save As under name in the files folder; returns its path.
    QString saveAs(const char* name) {
        const QString path = filePath(QString::fromLatin1(name));
        dialogs.queueAnswer(path);
        if (!commands.SaveAs())
            throw std::runtime_error("SaveAs failed");
        return path;
    }
};
} // namespace

class tst_TKeyListCommands : public QObject {
    Q_OBJECT
private slots:
    void shouldStartANewUnchangedUnnamedList() {
        TCommandsFixture f;
        f.commands.New();
        QCOMPARE(f.boxes.texts(), QStringList({"New key list created succesefully."}));
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
        TCommandsFixture f;
        f.newList();
        const QString door1 = f.filePath("door1.dbf");
        f.store.Save(door1, {"SN-1", "Door one"});
        f.host.info = f.host.serial = QString();
        f.host.KeyList().SetModified(false);
        f.dialogs.queueAnswer(door1);
        f.commands.Open();
        QCOMPARE(f.dialogs.asked.size(), 1);
        QCOMPARE(f.dialogs.asked[0].title, QStringLiteral("Create new key list"));
        QVERIFY(!f.dialogs.asked[0].save);
        QCOMPARE(f.host.caption, Prefix + "door1.dbf");
        QCOMPARE(f.host.status, "Key list: " + door1);
        QCOMPARE(f.commands.KeyListPath(), door1);
        QCOMPARE(f.commands.KeyListTitle(), QStringLiteral("door1.dbf"));
        QCOMPARE(f.host.serial, QStringLiteral("SN-1"));
        QCOMPARE(f.host.info, QStringLiteral("Door one"));
        QVERIFY(!f.commands.KeyListModified());
        QVERIFY(f.boxes.shown.isEmpty());
    }

    void shouldRememberRecentKeyListsAndDropOneThatIsGone() {
        TCommandsFixture f;
        TAppSettings settings(f.work.filePath("velm-tarvikon.conf"));
        f.commands.SetSettings(&settings);
        f.commands.New();
        const QString door1 = f.saveAs("door1.dbf");
        const QString door2 = f.saveAs("door2.dbf");
        QCOMPARE(settings.recentKeyLists(), QStringList({door2, door1}));

        // With no file named yet, the dialogs start in the folder used last.
        f.commands.New();
        f.commands.Open();
        QCOMPARE(f.dialogs.asked.last().directory, f.files.path());

        f.boxes.clear();
        QVERIFY(QFile::remove(door1));
        f.commands.MarkChanged();
        f.commands.OpenRecent(door1);
        QCOMPARE(f.boxes.shown.size(), 1); // no save prompt for a file that cannot be opened
        QCOMPARE(f.boxes.shown[0].kind, Kind::Error);
        QVERIFY2(f.boxes.shown[0].text.contains(door1) && f.boxes.shown[0].text.contains("recent key lists"),
                 qPrintable(f.boxes.shown[0].text));
        QCOMPARE(settings.recentKeyLists(), QStringList{door2});
        QCOMPARE(f.host.caption, Prefix + "New key list");
        QVERIFY(f.commands.KeyListModified());

        f.boxes.clear();
        f.boxes.queueAnswer(Answer::No);
        f.commands.OpenRecent(door2);
        QCOMPARE(f.boxes.texts(), QStringList{TKeyListCommands::SavePrompt});
        QCOMPARE(f.commands.KeyListPath(), door2);
        QCOMPARE(f.host.caption, Prefix + "door2.dbf");
        QVERIFY(!f.commands.KeyListModified());
        QCOMPARE(TAppSettings(settings.fileName()).recentKeyLists(), QStringList{door2});

        // A named pipe in the list's place is said to be one, and taken off as well.
        const QString door3 = f.saveAs("door3.dbf");
        f.boxes.clear();
        QVERIFY(QFile::remove(door3));
        QVERIFY(::mkfifo(QFile::encodeName(door3).constData(), 0600) == 0);
        f.commands.OpenRecent(door3);
        QCOMPARE(f.boxes.texts(), QStringList{QStringLiteral("Key list file %1 is a named pipe, not a file.\r"
                                                             "It has been taken off the recent key lists.")
                                                  .arg(door3)});
        QCOMPARE(settings.recentKeyLists(), QStringList{door2});
        QCOMPARE(f.commands.KeyListPath(), door3);
    }

    void shouldWarnOnOpeningAListThatRepeatsSlotNumbers_data() {
        QTest::addColumn<bool>("slave");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("warned");
        QTest::newRow("numbered as it should be") << true << QString() << QString();
        QTest::newRow("slave # repeated") << true << "RECID"
                                          << "slave keys: # repeated: %1 (2 records)";
        QTest::newRow("master slot number repeated")
            << false << "KEYID"
            << "master keys: slot number (KEYID) repeated: %1 (2 records)";
    }
    void shouldWarnOnOpeningAListThatRepeatsSlotNumbers() {
        QFETCH(bool, slave);
        QFETCH(QString, field);
        QFETCH(QString, warned);
        TCommandsFixture f;
        f.newList();
        TDbfTable& view = slave ? f.slave : f.master;
        int number = 0;
        if (!field.isEmpty()) {
            TKeyListFixture::goRow(view, 2);
            number = view.FieldByName(field)->AsInteger();
            TKeyListFixture::goRow(view, 3);
            view.Edit();
            view.FieldByName(field)->SetAsInteger(number);
            view.Post();
        }
        const QString door = f.filePath("door.dbf");
        f.store.Save(door, {"SN-1", "Door"});
        f.host.KeyList().SetModified(false);
        f.boxes.clear();
        f.dialogs.queueAnswer(door);
        f.commands.Open();
        QCOMPARE(f.commands.KeyListPath(), door); // opened all the same
        if (warned.isEmpty()) {
            QVERIFY(f.boxes.shown.isEmpty());
            return;
        }
        QCOMPARE(f.boxes.shown.size(), 1);
        QCOMPARE(f.boxes.shown[0].kind, Kind::Warning);
        QCOMPARE(f.boxes.shown[0].text,
                 QStringLiteral("The key list %1 numbers some slots twice:\r%2\rKeys are written to the "
                                "controller by their position in the list, not by these numbers.")
                     .arg(door, warned.arg(number)));
    }

    void shouldSaveAsUnderTheChosenPath() {
        TCommandsFixture f;
        f.commands.New();
        const QString door2 = f.saveAs("door2.dbf");
        QCOMPARE(f.dialogs.asked.size(), 1);
        QVERIFY(f.dialogs.asked[0].save);
        QVERIFY(f.dialogs.asked[0].title.isEmpty());
        QCOMPARE(f.dialogs.asked[0].filter, QStringLiteral("DBF tables (*.dbf)"));
        QCOMPARE(f.host.caption, Prefix + "door2.dbf");
        QCOMPARE(f.host.status, "Key list: " + door2);
        QCOMPARE(f.commands.KeyListTitle(), door2);
        QCOMPARE(f.commands.KeyListPath(), door2);
        QVERIFY(!f.commands.SaveAsPending());
        QCOMPARE(TDbfBytes(door2).recordCount(), 137);
        const mode_t mask = ::umask(0);
        ::umask(mask);
        struct stat saved {};
        QCOMPARE(::stat(QFile::encodeName(door2).constData(), &saved), 0);
        QCOMPARE(saved.st_mode & 0777, 0666 & ~mask);
    }

    void shouldWriteNothingWhenSaveAsIsCancelled() {
        TCommandsFixture f;
        f.commands.New();
        const QString first = f.saveAs("first.dbf");
        f.host.info = QStringLiteral("Changed");
        f.commands.MarkChanged();
        f.dialogs.queueAnswer(QString());
        QVERIFY(!f.commands.SaveAs());
        QVERIFY(f.commands.KeyListModified());
        QCOMPARE(QDir(f.files.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"first.dbf"}));
        QCOMPARE(f.commands.KeyListPath(), first);
        QVERIFY(f.commands.Save());
        QCOMPARE(f.dialogs.asked.size(), 2);
        QVERIFY(!f.commands.KeyListModified());
        QVERIFY(TDbfBytes(first).record(1).contains("Changed"));
    }

    void shouldSaveThroughALinkIntoTheFileItPointsTo() {
        TCommandsFixture f;
        f.commands.New();
        const QString real = f.saveAs("real.dbf");
        const QString link = f.filePath("link.dbf");
        QVERIFY(QFile::link(real, link));
        f.dialogs.queueAnswer(link);
        f.host.info = QStringLiteral("Through link");
        f.commands.MarkChanged();
        QVERIFY(f.commands.SaveAs());
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(TDbfBytes(real).record(1).contains("Through link"));
    }

    void shouldAskForANameWhenSavingANewList() {
        TCommandsFixture f;
        f.commands.New();
        f.commands.MarkChanged();
        f.dialogs.queueAnswer(QString());
        QVERIFY(!f.commands.Save());
        QCOMPARE(f.dialogs.asked.size(), 1);
        QVERIFY(f.commands.KeyListModified());
        QVERIFY(QDir(f.files.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
        const QString named = f.filePath("named.dbf");
        f.dialogs.queueAnswer(named);
        QVERIFY(f.commands.Save());
        QVERIFY(!f.commands.KeyListModified());
        QCOMPARE(f.commands.KeyListPath(), named);
    }

    // Nothing written is nothing saved: the exit prompt must not close as if it were.
    void shouldSayThatNoListIsOpenWhenSavingWithoutOne() {
        TCommandsFixture f;
        f.host.saveEnabled = true;
        f.commands.MarkChanged();
        QVERIFY(!f.host.saveEnabled);
        QVERIFY(!f.commands.Save());
        QVERIFY(!f.commands.SaveAs());
        QVERIFY(!f.commands.SaveAsPending());
        QVERIFY(f.dialogs.asked.isEmpty());
        QCOMPARE(f.boxes.texts(), QStringList({TKeyListCommands::NoListOpen, TKeyListCommands::NoListOpen}));
        QVERIFY(f.commands.KeyListModified());
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
        TCommandsFixture f;
        f.commands.New();
        const QString first = f.saveAs("first.dbf");
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
        f.boxes.clear();
        f.dialogs.queueAnswer(target);
        QVERIFY(!f.commands.SaveAs());
        QCOMPARE(f.boxes.count(Kind::Error), 1);
        QVERIFY2(f.boxes.shown[0].text.contains(target) && f.boxes.shown[0].text.contains(reason),
                 qPrintable(f.boxes.shown[0].text));
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
        TCommandsFixture f;
        f.newList();
        const QString other = f.filePath("other.dbf");
        f.store.Save(other, {"OTHER", "Other list"});
        const QString mine = f.saveAs("mine.dbf");
        TKeyListFixture::goRow(f.master, 1);
        TKeyListFixture::setKey(f.master, QStringLiteral("123412341234"), true, QStringLiteral("new key"));
        QVERIFY(f.commands.KeyListModified());
        f.boxes.clear();
        f.boxes.queueAnswer(Answer(answer));
        if (viaOpen) {
            f.dialogs.queueAnswer(other);
            f.commands.Open();
        } else {
            f.commands.New();
        }
        QCOMPARE(f.boxes.count(TKeyListCommands::SavePrompt), 1);
        QCOMPARE(TDbfBytes(mine).data.contains("123412341234"), saved);
        QCOMPARE(f.commands.KeyListModified(), !replaced);
        QCOMPARE(f.master.RowCount(), 8);
        TKeyListFixture::goRow(f.master, 1);
        QCOMPARE(TKeyListFixture::text(f.master, "KEYCODE"),
                 replaced ? QStringLiteral("<EMPTY>") : QStringLiteral("123412341234"));
    }

    void shouldNeverOverwriteAChangeMadeOnDiskWithoutAsking_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("overwritten");
        QTest::newRow("No keeps the other change") << int(Answer::No) << false;
        QTest::newRow("Yes overwrites it") << int(Answer::Yes) << true;
    }
    void shouldNeverOverwriteAChangeMadeOnDiskWithoutAsking() {
        QFETCH(int, answer);
        QFETCH(bool, overwritten);
        TCommandsFixture f;
        f.newList();
        const QString mine = f.saveAs("mine.dbf");
        // vtrk site revoke, the Site window or a colleague's sync changes the file meanwhile.
        {
            QFile changed(mine);
            QVERIFY(changed.open(QIODevice::Append));
            changed.write("changed elsewhere");
        }
        const QByteArray theirs = TDbfBytes(mine).data;
        TKeyListFixture::goRow(f.master, 1);
        TKeyListFixture::setKey(f.master, QStringLiteral("123412341234"), true, QStringLiteral("stale"));
        f.boxes.clear();
        f.boxes.queueAnswer(Answer(answer));
        QVERIFY2(f.commands.Save() == overwritten, qPrintable(f.boxes.texts().join(" / ")));
        QCOMPARE(f.boxes.count(Kind::Confirmation), 1);
        QVERIFY2(f.boxes.shown[0].text.contains(QLatin1String("was changed on disk")),
                 qPrintable(f.boxes.shown[0].text));
        QCOMPARE(TDbfBytes(mine).data == theirs, !overwritten);
        QCOMPARE(f.commands.KeyListModified(), !overwritten);
        // Once saved, the file is the list's own again: the next save asks nothing.
        f.boxes.clear();
        if (overwritten) {
            f.commands.MarkChanged();
            QVERIFY(f.commands.Save());
            QCOMPARE(f.boxes.shown.size(), 0);
        }
    }

    void shouldNotAskForAnUnchangedList() {
        TCommandsFixture f;
        f.commands.New();
        f.boxes.clear();
        f.commands.New();
        QCOMPARE(f.boxes.count(TKeyListCommands::SavePrompt), 0);
    }

    void shouldStayOnTheOpenListWhenTheChosenFileIsNoKeyList() {
        TCommandsFixture f;
        f.newList();
        const QString good = f.filePath("good.dbf");
        f.store.Save(good, {"SN-9", "Good list"});
        f.dialogs.queueAnswer(good);
        f.commands.Open();
        f.host.info = QStringLiteral("typed");
        f.commands.MarkChanged();
        const QString bad = f.filePath("notes.dbf");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("just some notes\n");
        file.close();
        f.dialogs.queueAnswer(bad);
        f.boxes.queueAnswer(Answer::No);
        f.commands.Open();
        QCOMPARE(f.boxes.count(Kind::Error), 1);
        QVERIFY(f.boxes.shown.last().text.contains(bad));
        QCOMPARE(f.host.caption, Prefix + "good.dbf");
        QCOMPARE(f.host.status, "Key list: " + good);
        QCOMPARE(f.commands.KeyListPath(), good);
        QCOMPARE(f.host.info, QStringLiteral("typed"));
        QVERIFY(f.commands.KeyListModified());
        QVERIFY(f.store.IsOpen());
    }

    void shouldReportThatNoListCanBeCreatedAndKeepTheState() {
        TCommandsFixture f;
        f.host.caption = QStringLiteral("before");
        f.store.SetWorkDir(f.work.filePath("gone"));
        f.commands.New();
        QCOMPARE(f.boxes.shown.size(), 1);
        const QStringList lines = f.boxes.shown[0].text.split('\r');
        QCOMPARE(lines.first(), QStringLiteral("Can not create file here. Check you access rights or contact "
                                               "your system administrator."));
        QVERIFY2(lines.last().contains(f.work.filePath("gone")), qPrintable(lines.last()));
        QCOMPARE(f.host.caption, QStringLiteral("before"));
        QVERIFY(!f.store.IsOpen());
    }
};

QTEST_MAIN(tst_TKeyListCommands)
#include "tst_TKeyListCommands.moc"
