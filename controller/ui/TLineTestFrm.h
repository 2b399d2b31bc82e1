#pragma once

#include "controller/TLineTest.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QFrame;
class QLabel;
class TControllerPortOpener;
class TSerDataPort;
class TSerStatusLight;

// "Line Test": runs line-test cycles over and over and counts the cycles the controller
// acknowledged and those it did not, until Stop. Shows no messages of its own. Created once at
// start-up; every showing starts from zero.
class TLineTestFrm : public QDialog {
    Q_OBJECT

public:
    TLineTestFrm(TSerDataPort& port, TControllerPortOpener& opener, QWidget* parent = nullptr);

    // Runs each time the dialog is shown.
    void FormShow();
    // Runs the test until Stop; returns when the loop ends.
    void StartBtnClick();
    void StopBtnClick();

    bool LineTestRunning = false;

    QFrame* Panel1;
    QLabel* Label1;
    QLineEdit* Edit1;
    TSerStatusLight* Light1;
    QLabel* Label2;
    QLineEdit* Edit2;
    TSerStatusLight* Light2;
    QPushButton* StartBtn;
    QPushButton* StopBtn;
    QPushButton* ExitBtn;

public slots:
    // Only Exit leaves the dialog: Escape and the window manager's close are refused.
    void reject() override {}

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Names and descriptions for screen readers.
    void NameForAccessibility();
    void FormCreate();
    void WidenToTexts();
    void SetRunningButtons(bool running);
    static void Count(QLineEdit* edit, TSerStatusLight* light);

    TSerDataPort& port;
    TControllerPortOpener& opener;
    TLineTest test;
};
