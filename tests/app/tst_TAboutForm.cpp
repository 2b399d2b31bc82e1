#include "app/TAboutForm.h"
#include "app/TLicenseFile.h"
#include "app/TLinkLabel.h"
#include "app/TShowNoteForm.h"
#include "tests/support/TTestMessageBoxes.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>

namespace {

int beeps = 0;
void countBeep() {
    ++beeps;
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class tst_TAboutForm : public QObject {
    Q_OBJECT

public slots:
    void openUrl(const QUrl& url) { opened.append(url); }

private slots:
    void init();
    void cleanup();
    void shouldLookForLicenseInOrder_data();
    void shouldLookForLicenseInOrder();
    void shouldNameExecutableDirectoryWhenLicenseIsNowhere();
    void shouldShowLicenseInNoteViewer();
    void shouldOpenLinksThroughDesktop();
    void shouldBeepOnceWhenLinkCannotOpen();
    void shouldHideOnOkAndStayNonModal();

private:
    QTemporaryDir* Root = nullptr;
    QString SavedCurrent;
    QList<QUrl> opened;
};

void tst_TAboutForm::init() {
    Root = new QTemporaryDir;
    for (const char* sub : {"current", "exe", "data"})
        QVERIFY(QDir(Root->path()).mkdir(QString::fromLatin1(sub)));
    SavedCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(Root->filePath(QStringLiteral("current"))));
    beeps = 0;
    TAboutForm::setBeepHandler(countBeep);
    opened.clear();
}

void tst_TAboutForm::cleanup() {
    QDir::setCurrent(SavedCurrent);
    TAboutForm::setBeepHandler(nullptr);
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    delete Root;
    Root = nullptr;
}

void tst_TAboutForm::shouldLookForLicenseInOrder_data() {
    QTest::addColumn<QStringList>("places");
    QTest::addColumn<QString>("found");
    QTest::newRow("everywhere") << QStringList{"current", "exe", "data"} << "License.txt";
    QTest::newRow("beside executable and installed") << QStringList{"exe", "data"} << "exe/License.txt";
    QTest::newRow("beside executable only") << QStringList{"exe"} << "exe/License.txt";
    QTest::newRow("installed only") << QStringList{"data"} << "data/License.txt";
    QTest::newRow("nowhere") << QStringList{} << "";
}

void tst_TAboutForm::shouldLookForLicenseInOrder() {
    QFETCH(QStringList, places);
    QFETCH(QString, found);
    for (const QString& place : places)
        writeFile(Root->filePath(place + QStringLiteral("/License.txt")), "terms");
    const QString exe = Root->filePath(QStringLiteral("exe"));
    const QString data = Root->filePath(QStringLiteral("data"));
    const QString expected =
        found.isEmpty() || found == QLatin1String("License.txt") ? found : Root->filePath(found);
    QCOMPARE(TLicenseFile::locate(exe, data), expected);
}

void tst_TAboutForm::shouldNameExecutableDirectoryWhenLicenseIsNowhere() {
    TTestMessageBoxes boxes;
    TAboutForm about;
    about.ExecutableDir = Root->filePath(QStringLiteral("exe"));
    about.DataDir = Root->filePath(QStringLiteral("data"));
    about.LicenseButtonClick();
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(int(boxes.shown[0].kind), int(TMessageBoxes::Kind::Error));
    QCOMPARE(boxes.shown[0].text,
             QStringLiteral("File not found: ") + Root->filePath(QStringLiteral("exe/License.txt")));
}

void tst_TAboutForm::shouldShowLicenseInNoteViewer() {
    TTestMessageBoxes boxes;
    writeFile(Root->filePath(QStringLiteral("exe/License.txt")), "First line\r\nSecond line\n");
    TAboutForm about;
    about.ExecutableDir = Root->filePath(QStringLiteral("exe"));
    about.DataDir = QString();
    QString caption;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* note = qobject_cast<TShowNoteForm*>(QApplication::activeModalWidget());
        QVERIFY(note);
        caption = note->windowTitle();
        text = note->NoteMemo->toPlainText();
        note->OKButtonClick();
    });
    about.LicenseButtonClick();
    QVERIFY(boxes.shown.isEmpty());
    QCOMPARE(caption, QStringLiteral("License agreements"));
    QCOMPARE(text, QStringLiteral("First line\nSecond line"));
}

void tst_TAboutForm::shouldOpenLinksThroughDesktop() {
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "openUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
    TAboutForm about;
    QTest::mouseClick(about.Label1, Qt::LeftButton);
    QTest::mouseClick(about.Label2, Qt::LeftButton);
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened[0].toString(), QStringLiteral("mailto:") + about.Label1->text());
    QCOMPARE(opened[1], QUrl(about.Label2->text()));
    QCOMPARE(beeps, 0);
    QCOMPARE(about.Label1->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(about.Label2->font().underline());

    // Cut to 1023 characters.
    TAboutForm::OpenTarget(QStringLiteral("mailto:") + QString(2000, QLatin1Char('a')));
    QCOMPARE(opened.size(), 3);
    QCOMPARE(opened[2].toString().size(), 1023);
}

void tst_TAboutForm::shouldBeepOnceWhenLinkCannotOpen() {
    TAboutForm::OpenTarget(QString());
    QCOMPARE(beeps, 0);
    // Nothing handles this scheme on the test platform.
    TAboutForm::OpenTarget(QStringLiteral("vtrk-nothing:here"));
    QCOMPARE(beeps, 1);
}

void tst_TAboutForm::shouldHideOnOkAndStayNonModal() {
    TAboutForm about;
    about.show();
    QVERIFY(!about.isModal());
    QVERIFY(!(about.windowFlags() & Qt::WindowContextHelpButtonHint));
    QCOMPARE(about.AboutImage->size(), QSize(156, 113));
    QVERIFY(!about.AboutImage->pixmap().isNull());
    QTest::mouseClick(about.OKButton, Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(tst_TAboutForm)
#include "tst_TAboutForm.moc"
