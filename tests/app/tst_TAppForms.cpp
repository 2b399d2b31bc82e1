#include "app/TAboutForm.h"
#include "app/TAppForms.h"
#include "app/TMainFrm.h"
#include "app/TProgressFrm.h"
#include "app/TShowNoteForm.h"
#include "app/TSplashForm.h"
#include "controller/ui/TLineTestFrm.h"
#include "tests/support/TWindowParts.h"

#include <QBuffer>
#include <QImageReader>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

class tst_TAppForms : public QObject {
    Q_OBJECT

private slots:
    void shouldCreateWindowsOnceInOrder();
    void shouldOpenAboutWithoutBlocking();
    void shouldDecodePicturesThroughJpegPlugin_data();
    void shouldDecodePicturesThroughJpegPlugin();
    void shouldShowPicturesOnSplash();
};

void tst_TAppForms::shouldCreateWindowsOnceInOrder() {
    QTemporaryDir temp;
    qputenv("TEMP", QFile::encodeName(temp.path()));
    TAppForms forms;
    forms.create();
    QCOMPARE(forms.CreationOrder, (QStringList{"MainFrm", "DBEditFrm", "ProgressFrm", "LineTestFrm",
                                               "ShowNoteForm", "AboutForm", "FindKeyFrm"}));
    for (QWidget* window : std::initializer_list<QWidget*>{forms.ProgressFrm, forms.LineTestFrm,
                                                           forms.ShowNoteForm, forms.AboutForm}) {
        QVERIFY(!window->isVisible());
        QCOMPARE(window->parent(), forms.MainFrm);
        QVERIFY(window->isWindow());
    }
    // The main window shows these very windows.
    forms.MainFrm->StartProgress(QStringLiteral("Reading"));
    QVERIFY(forms.ProgressFrm->isVisible());
    forms.MainFrm->CloseProgress();
    QVERIFY(!forms.ProgressFrm->isVisible());
    TWindowParts::Action(forms.MainFrm, "MenuAbout")->trigger();
    QVERIFY(forms.AboutForm->isVisible());
    qunsetenv("TEMP");
}

void tst_TAppForms::shouldOpenAboutWithoutBlocking() {
    QTemporaryDir temp;
    qputenv("TEMP", QFile::encodeName(temp.path()));
    TAppForms forms;
    forms.create();
    forms.MainFrm->show();
    TWindowParts::Action(forms.MainFrm, "MenuAbout")->trigger();
    QVERIFY(forms.AboutForm->isVisible());
    QVERIFY(!forms.AboutForm->isModal());
    QCOMPARE(forms.AboutForm->FileVersionNumberLabel->text(), QStringLiteral("1.0.0.1"));
    QVERIFY(forms.MainFrm->isEnabled());
    qunsetenv("TEMP");
}

void tst_TAppForms::shouldDecodePicturesThroughJpegPlugin_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("banner") << ":/pictures/splash-banner.jpg" << QSize(335, 64);
    QTest::newRow("picture") << ":/pictures/splash-picture.jpg" << QSize(335, 200);
    QTest::newRow("about") << ":/pictures/about.jpg" << QSize(156, 113);
}

void tst_TAppForms::shouldDecodePicturesThroughJpegPlugin() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QVERIFY(QImageReader::supportedImageFormats().contains("jpeg"));
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
    // A decoded picture, not a blank: it has more than a handful of colours.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            colours.insert(image.pixel(x, y));
    QVERIFY(colours.size() > 20);
}

void tst_TAppForms::shouldShowPicturesOnSplash() {
    TSplashForm splash;
    QVERIFY(!splash.BannerImage->pixmap().isNull());
    QVERIFY(!splash.PictureImage->pixmap().isNull());
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
}

QTEST_MAIN(tst_TAppForms)
#include "tst_TAppForms.moc"
