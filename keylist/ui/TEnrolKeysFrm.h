#pragma once

#include "keylist/TKeyEnrolment.h"

#include <QColor>
#include <QDialog>

#include <atomic>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
class TDbfTable;
class TKeyListStore;
class TOneWireBus;
class TOneWirePoller;

// "Enrol keys...": while it is open, every key newly touched to the 1-Wire reader goes into the
// page's current slot, or the next empty one, with the note typed here. It lists what was
// enrolled or refused, can undo the last enrolment and keeps the reader's server address. Its
// status line says the reader's state until it changes: no server, server gone, no real reader, ready.
class TEnrolKeysFrm : public QDialog {
    Q_OBJECT
public:
    using TBusMaker =
        std::function<std::unique_ptr<TOneWireBus>(const QString& address, const std::atomic<bool>& stop)>;

    // makeBus defaults to the owserver client.
    TEnrolKeysFrm(TKeyListStore& store, TDbfTable& page, TBusMaker makeBus = TBusMaker(),
                  QWidget* parent = nullptr);
    ~TEnrolKeysFrm() override;

    void KeyTouched(const QString& code);
    void UndoBtnClick();
    void NoteEditChange(const QString& note);
    void SettingsBtnClick();
    void BusFailed(const QString& message);
    void BusReady();
    void NoReader(const QString& message);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    // Names and descriptions for screen readers.
    void NameForAccessibility();
    void buildLayout();
    void startPolling();
    void flash(bool success);
    void setStatusBackground(const QColor& colour);
    void showStatus(const QString& text, bool fault);

    TKeyEnrolment enrolment;
    TBusMaker makeBus;
    std::unique_ptr<TOneWirePoller> poller;
    QString address;
    bool failureShown = false;
    QString readerProblem; // why the server has no real reader; empty while it has one
    QColor statusBackground;
    QTimer* flashTimer;

    QLabel* ServerLbl;
    QLabel* StatusLbl;
    QLineEdit* NoteEdit;
    QListWidget* EnrolledList;
    QPushButton* UndoBtn;
    QPushButton* SettingsBtn;
    QPushButton* CloseBtn;
};
