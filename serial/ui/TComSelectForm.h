#pragma once

#include <QDialog>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

// The port chooser: lists the ports that exist ("COM%d"), shows the selected one's device,
// and closes with OK (OkBtn), Abort (AbortBtn) or Cancel (the close box).
class TComSelectForm : public QDialog {
    Q_OBJECT
public:
    enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3 };

    explicit TComSelectForm(QWidget* parent = nullptr);

    // The number of the selected entry; EConvertError when nothing is selected.
    int ChosenPortNumber() const;
    // Selects the entry of that port when it is listed; otherwise the selection stays.
    void SelectPort(int number);
    static bool ProbePort(int number);

    QLabel* Label1;
    QLabel* Label2;
    QFrame* Bevel1;
    QComboBox* PortsComboBox;
    QLabel* PathLabel;
    QPushButton* OkBtn;
    QPushButton* AbortBtn;

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Names and descriptions for screen readers.
    void NameForAccessibility();
    void WidenToTexts();
    void FillPorts();
    void ShowSelectedPath();
};
