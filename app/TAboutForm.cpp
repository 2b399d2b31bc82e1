#include "app/TAboutForm.h"

#include "app/TLicenseFile.h"
#include "app/TLinkLabel.h"
#include "app/TShowNoteForm.h"
#include "seams/TMessageBoxes.h"
#include "seams/ui/TAccessibility.h"
#include "seams/ui/TErrorReport.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int ImageWidth = 156;
constexpr int ImageHeight = 113;
constexpr int MaxTargetLength = 1023;
constexpr quint8 DefaultCharSet = 1;
const QChar TradeMark(0x2122);

TAboutForm::BeepHandler beepHandler = nullptr;

void beep() {
    if (beepHandler)
        beepHandler();
    else
        QApplication::beep();
}

} // namespace

TAboutForm::TAboutForm(QWidget* parent, const TVersionInfo& version)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ExecutableDir(QCoreApplication::applicationDirPath()), DataDir(TLicenseFile::dataDirectory()),
      Version(version) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(tr("About"));
    setModal(false);
    FormCreate();
}

void TAboutForm::FormCreate() {

    AboutImage = new QLabel(this);
    AboutImage->setObjectName(QStringLiteral("AboutImage"));
    AboutImage->setFixedSize(ImageWidth, ImageHeight);
    AboutImage->setScaledContents(true);
    AboutImage->setPixmap(QPixmap(QStringLiteral(":/pictures/about.jpg")));
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    LicenseButton = new QPushButton(tr("License..."), this);
    LicenseButton->setObjectName(QStringLiteral("LicenseButton"));
    LicenseButton->setAutoDefault(false);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(OKButton);
    buttons->addWidget(LicenseButton);
    buttons->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(AboutImage);
    top->addLayout(buttons);

    auto* separator = new QFrame(this);
    separator->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    ProductNameLabel = new QLabel(this);
    ProductNameLabel->setObjectName(QStringLiteral("ProductNameLabel"));
    QFont bold = ProductNameLabel->font();
    bold.setBold(true);
    ProductNameLabel->setFont(bold);
    ProductVersionNumberLabel = new QLabel(this);
    ProductVersionNumberLabel->setObjectName(QStringLiteral("ProductVersionNumberLabel"));
    FileVersionNumberLabel = new QLabel(this);
    FileVersionNumberLabel->setObjectName(QStringLiteral("FileVersionNumberLabel"));
    auto* versions = new QGridLayout;
    versions->addWidget(new QLabel(tr("Product version:"), this), 0, 0);
    versions->addWidget(ProductVersionNumberLabel, 0, 1);
    versions->addWidget(new QLabel(tr("File version:"), this), 1, 0);
    versions->addWidget(FileVersionNumberLabel, 1, 1);
    versions->setColumnStretch(1, 1);

    auto* notice = new QLabel(tr("Made and supported by"), this);
    OwnerLabel = new QLabel(this);
    OwnerLabel->setObjectName(QStringLiteral("OwnerLabel"));
    auto* postal = new QLabel(tr("Tarviku 1, 10111 Tallinn, Estonia"), this);
    auto* phone = new QLabel(tr("Phone / fax: +372 000 0000"), this);

    Label1 = new TLinkLabel(QStringLiteral("support@velm.example"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new TLinkLabel(QStringLiteral("https://www.velm.example"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    auto* links = new QGridLayout;
    links->addWidget(new QLabel(tr("E-mail:"), this), 0, 0);
    links->addWidget(Label1, 0, 1);
    links->addWidget(new QLabel(tr("WWW:"), this), 1, 0);
    links->addWidget(Label2, 1, 1);
    links->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(separator);
    layout->addWidget(ProductNameLabel);
    layout->addLayout(versions);
    layout->addWidget(notice);
    layout->addWidget(OwnerLabel);
    layout->addWidget(postal);
    layout->addWidget(phone);
    layout->addLayout(links);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connectHandler(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connectHandler(LicenseButton, &QPushButton::clicked, this, [this] { LicenseButtonClick(); });
    connectHandler(Label1, &TLinkLabel::clicked, this, [this] { Label1Click(); });
    connectHandler(Label2, &TLinkLabel::clicked, this, [this] { Label2Click(); });
    NameForAccessibility();
}

void TAboutForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    AboutCall();
}

void TAboutForm::AboutCall() {
    ProductNameLabel->setText(Version.productName());
    FileVersionNumberLabel->setText(Version.fileVersionText());
    ProductVersionNumberLabel->setText(productVersionText());
    OwnerLabel->setText(ownerText() + QLatin1Char(' ') + TradeMark);
}

void TAboutForm::OKButtonClick() {
    hide();
}

void TAboutForm::LicenseButtonClick() {
    const QString path = TLicenseFile::locate(ExecutableDir, DataDir);
    if (path.isEmpty()) {
        MessageBoxes().error(TLicenseFile::notFoundText(ExecutableDir));
        return;
    }
    ShowNote(tr("License agreements"), TLicenseFile::read(path), DefaultCharSet, this);
}

void TAboutForm::Label1Click() {
    OpenTarget(QStringLiteral("mailto:") + Label1->text());
}

void TAboutForm::Label2Click() {
    OpenTarget(Label2->text());
}

void TAboutForm::OpenTarget(const QString& target) {
    const QString cut = target.left(MaxTargetLength);
    if (cut.isEmpty())
        return;
    if (!QDesktopServices::openUrl(QUrl::fromUserInput(cut)))
        beep();
}

void TAboutForm::setBeepHandler(BeepHandler handler) {
    beepHandler = handler;
}

void TAboutForm::NameForAccessibility() {
    TAccessibility::Describe({
        {AboutImage, tr("Picture"), tr("The program's picture")},
        {OKButton, tr("OK"), tr("Close the About window")},
        {LicenseButton, tr("License..."), tr("Show the license")},
        {ProductNameLabel, tr("Product name"), tr("The program's name")},
        {ProductVersionNumberLabel, tr("Product version"), tr("The program's version")},
        {FileVersionNumberLabel, tr("File version"), tr("The program file's version")},
        {OwnerLabel, tr("Maker"), tr("Who makes and supports the program")},
        {Label1, tr("E-mail"), tr("Write an e-mail to support")},
        {Label2, tr("WWW"), tr("Open the web site")},
    });
    TAccessibility::PairLabels(this);
}
