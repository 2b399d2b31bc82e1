#include "app/TSplashForm.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int Width = 351;
constexpr int Height = 380;
constexpr int NameFontPixels = 20;
} // namespace

TSplashForm::TSplashForm(const TVersionInfo& version, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), Version(version) {
    setObjectName(QStringLiteral("SplashForm"));
    setWindowTitle(QStringLiteral("VELM Tarvikon"));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);
    QPalette background = panel->palette();
    background.setColor(QPalette::Window, Qt::white);
    panel->setPalette(background);

    BannerImage = new QLabel(panel);
    BannerImage->setObjectName(QStringLiteral("BannerImage"));
    BannerImage->setPixmap(QPixmap(QStringLiteral(":/pictures/splash-banner.jpg")));
    BannerImage->setAlignment(Qt::AlignCenter);
    PictureImage = new QLabel(panel);
    PictureImage->setObjectName(QStringLiteral("PictureImage"));
    PictureImage->setPixmap(QPixmap(QStringLiteral(":/pictures/splash-picture.jpg")));
    PictureImage->setAlignment(Qt::AlignCenter);

    auto* rule = new QFrame(panel);
    rule->setFixedHeight(2);
    rule->setAutoFillBackground(true);
    QPalette blue = rule->palette();
    blue.setColor(QPalette::Window, Qt::blue);
    rule->setPalette(blue);

    LoadingLabel = new QLabel(tr("Loading..."), panel);
    LoadingLabel->setObjectName(QStringLiteral("LoadingLabel"));
    LoadingLabel->setAlignment(Qt::AlignCenter);
    NameLabel = new QLabel(tr("Unknown"), panel);
    NameLabel->setObjectName(QStringLiteral("NameLabel"));
    NameLabel->setAlignment(Qt::AlignCenter);
    QFont nameFont(QStringLiteral("Times New Roman"));
    nameFont.setStyleHint(QFont::Serif);
    nameFont.setPixelSize(NameFontPixels);
    nameFont.setBold(true);
    nameFont.setItalic(true);
    NameLabel->setFont(nameFont);

    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(6, 6, 6, 6);
    inner->addWidget(BannerImage);
    inner->addWidget(PictureImage);
    inner->addWidget(rule);
    inner->addStretch(1);
    inner->addWidget(LoadingLabel);
    inner->addWidget(NameLabel);
    inner->addStretch(1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);
    setFixedSize(Width, Height);

    if (QScreen* screen = this->screen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
}

QString TSplashForm::nameLine(const TVersionInfo& version) {
    return version.productName() + QLatin1Char(' ') + version.fileVersionText();
}

void TSplashForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    NameLabel->setText(nameLine(Version));
}
