#pragma once

#include "app/TVersionInfo.h"

#include <QDialog>

class QLabel;
class QPushButton;
class TLinkLabel;

// The About window: product name and versions from the version resource, the maker's contact
// links and the licence agreement. Created once; shown without blocking the main window.
class TAboutForm : public QDialog {
    Q_OBJECT

public:
    explicit TAboutForm(QWidget* parent = nullptr,
                        const TVersionInfo& version = TVersionInfo::ofExecutable());

    static QString ownerText() { return QStringLiteral("VELM Electronics"); }
    static QString productVersionText() { return QStringLiteral("1.0.0.1"); }

    // Fills the labels; runs at every showing.
    void AboutCall();
    void OKButtonClick();
    void LicenseButtonClick();
    void Label1Click();
    void Label2Click();

    // Opens a mail or web address through the desktop; one beep when that fails. An empty
    // target does nothing; a longer one is cut to 1023 characters.
    static void OpenTarget(const QString& target);
    // Tests count beeps with their own handler; nullptr restores the real beep.
    using BeepHandler = void (*)();
    static void setBeepHandler(BeepHandler handler);

    QLabel* AboutImage;
    QPushButton* OKButton;
    QPushButton* LicenseButton;
    QLabel* ProductNameLabel;
    QLabel* ProductVersionNumberLabel;
    QLabel* FileVersionNumberLabel;
    QLabel* OwnerLabel;
    TLinkLabel* Label1;
    TLinkLabel* Label2;

    // Where "License..." looks, after the current directory.
    QString ExecutableDir;
    QString DataDir;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Names and descriptions for screen readers.
    void NameForAccessibility();
    void FormCreate();

    TVersionInfo Version;
};
