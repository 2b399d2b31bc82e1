#include "keylist/ui/TEnrolKeysFrm.h"

#include "dbf/TDbfTable.h"
#include "keylist/TKeyListRows.h"
#include "keylist/TKeyListStore.h"
#include "keylist/TKeyNote.h"
#include "keylist/ui/TTypedTextValidator.h"
#include "keys/TKeyCode.h"
#include "keys/TKeyTable.h"
#include "onewire/TOneWirePoller.h"
#include "onewire/TOneWireSettings.h"
#include "onewire/TOwServerBus.h"
#include "seams/TMessageBoxes.h"
#include "seams/ui/TAccessibility.h"
#include "seams/ui/TErrorReport.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int FlashMs = 400;
}

TEnrolKeysFrm::TEnrolKeysFrm(TKeyListStore& store, TDbfTable& page, TBusMaker makeBus, QWidget* parent)
    : QDialog(parent), enrolment(store, page), makeBus(std::move(makeBus)),
      address(TOneWireSettings::ServerAddress()) {
    if (!this->makeBus)
        this->makeBus = [](const QString& at, const std::atomic<bool>& stop) {
            return std::make_unique<TOwServerBus>(at, &stop);
        };
    setObjectName(QStringLiteral("EnrolKeysFrm"));
    setWindowTitle(&page == &store.MKeysTable() ? tr("Enrol Master Keys") : tr("Enrol Slave Keys"));
    buildLayout();
    statusBackground = StatusLbl->palette().color(QPalette::Window);
    flashTimer = new QTimer(this);
    flashTimer->setSingleShot(true);
    flashTimer->setInterval(FlashMs);
    connect(flashTimer, &QTimer::timeout, this, [this] { setStatusBackground(statusBackground); });
    connectHandler(UndoBtn, &QPushButton::clicked, this, [this] { UndoBtnClick(); });
    connectHandler(SettingsBtn, &QPushButton::clicked, this, [this] { SettingsBtnClick(); });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(NoteEdit, &QLineEdit::textEdited, this, [this](const QString& note) { NoteEditChange(note); });
}

TEnrolKeysFrm::~TEnrolKeysFrm() = default;

void TEnrolKeysFrm::buildLayout() {
    ServerLbl = new QLabel(this);
    ServerLbl->setObjectName(QStringLiteral("ServerLbl"));
    SettingsBtn = new QPushButton(tr("Settings..."), this);
    SettingsBtn->setObjectName(QStringLiteral("SettingsBtn"));
    StatusLbl = new QLabel(this);
    StatusLbl->setObjectName(QStringLiteral("StatusLbl"));
    StatusLbl->setWordWrap(true);
    StatusLbl->setAutoFillBackground(true);
    StatusLbl->setMargin(6);
    StatusLbl->setMinimumHeight(StatusLbl->fontMetrics().height() * 3);
    NoteEdit = new QLineEdit(this);
    NoteEdit->setObjectName(QStringLiteral("NoteEdit"));
    NoteEdit->setMaxLength(TKeyTable::MemoLength);
    NoteEdit->setValidator(new TTypedTextValidator(NoteEdit));
    NoteEdit->setPlaceholderText(tr("goes with the next key touched"));
    EnrolledList = new QListWidget(this);
    EnrolledList->setObjectName(QStringLiteral("EnrolledList"));
    EnrolledList->setMinimumSize(460, 180);
    UndoBtn = new QPushButton(tr("Undo last"), this);
    UndoBtn->setObjectName(QStringLiteral("UndoBtn"));
    UndoBtn->setEnabled(false);
    CloseBtn = new QPushButton(tr("Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    for (QPushButton* b : {UndoBtn, SettingsBtn, CloseBtn})
        b->setAutoDefault(false);

    auto* server = new QHBoxLayout;
    server->addWidget(ServerLbl, 1);
    server->addWidget(SettingsBtn);
    auto* note = new QHBoxLayout;
    note->addWidget(new QLabel(tr("Note:"), this));
    note->addWidget(NoteEdit, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(UndoBtn);
    buttons->addStretch();
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(server);
    layout->addWidget(StatusLbl);
    layout->addLayout(note);
    layout->addWidget(new QLabel(tr("Enrolled:"), this));
    layout->addWidget(EnrolledList, 1);
    layout->addLayout(buttons);
    NameForAccessibility();
}

void TEnrolKeysFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!poller)
        startPolling();
}

void TEnrolKeysFrm::done(int result) {
    poller.reset();
    QDialog::done(result);
}

void TEnrolKeysFrm::startPolling() {
    poller.reset();
    ServerLbl->setText(tr("Reader: owserver at %1").arg(address));
    showStatus(tr("Connecting to %1...").arg(address), false);
    const TBusMaker maker = makeBus;
    const QString at = address;
    poller = std::make_unique<TOneWirePoller>(
        [maker, at](const std::atomic<bool>& stop) { return maker(at, stop); });
    connect(poller.get(), &TOneWirePoller::KeyTouched, this,
            [this](const QString& code) { TErrorReport::run([this, code] { KeyTouched(code); }); });
    connect(poller.get(), &TOneWirePoller::BusFailed, this,
            [this](const QString& message) { BusFailed(message); });
    connect(poller.get(), &TOneWirePoller::BusReady, this, [this] { BusReady(); });
    connect(poller.get(), &TOneWirePoller::NoReader, this,
            [this](const QString& message) { NoReader(message); });
    poller->Start();
}

void TEnrolKeysFrm::BusReady() {
    failureShown = false; // a server lost again later is said again
    readerProblem.clear();
    showStatus(tr("Touch a key to the reader."), false);
}

// Said in the status line only: the window keeps watching, and enrols what the server lists.
void TEnrolKeysFrm::NoReader(const QString& message) {
    readerProblem = message;
    showStatus(message, true);
}

void TEnrolKeysFrm::BusFailed(const QString& message) {
    showStatus(message, true);
    // One box per window: the reader is tried again quietly until it answers.
    if (!failureShown) {
        failureShown = true;
        MessageBoxes().error(message);
    }
}

void TEnrolKeysFrm::KeyTouched(const QString& code) {
    const TKeyEnrolment::TResult result = enrolment.Enrol(code, NoteEdit->text());
    auto* item = new QListWidgetItem(EnrolledList);
    if (result.ok) {
        item->setText(
            tr("%1   %2   engraved %3   %4")
                .arg(TKeyListRows::Place(result.record), code, TKeyCode::Engraved(code), result.record.memo));
        NoteEdit->clear();
    } else {
        item->setText(tr("refused: %1").arg(result.message));
        item->setForeground(Qt::darkRed);
    }
    // A server without a real reader stays said beside what happened.
    showStatus(readerProblem.isEmpty() ? result.message : result.message + QLatin1Char('\r') + readerProblem,
               !result.ok || !readerProblem.isEmpty());
    EnrolledList->scrollToItem(item);
    UndoBtn->setEnabled(enrolment.CanUndo());
    flash(result.ok);
}

// Said while the note is typed, not only when a key touched is refused for it.
void TEnrolKeysFrm::NoteEditChange(const QString& note) {
    const QString refusal = TKeyNote::Refusal(note);
    if (!refusal.isEmpty())
        showStatus(tr("A key touched now would be refused: %1").arg(refusal), true);
}

void TEnrolKeysFrm::UndoBtnClick() {
    if (!enrolment.CanUndo())
        return;
    const TKeySlot slot = enrolment.Undo();
    auto* item =
        new QListWidgetItem(tr("undone: %1 is empty again").arg(TKeyListRows::Place(slot)), EnrolledList);
    EnrolledList->scrollToItem(item);
    UndoBtn->setEnabled(enrolment.CanUndo());
    showStatus(item->text(), false);
}

void TEnrolKeysFrm::SettingsBtnClick() {
    bool ok = false;
    const QString entered =
        QInputDialog::getText(this, tr("1-Wire Reader"), tr("owserver address (host:port):"),
                              QLineEdit::Normal, address, &ok)
            .trimmed();
    if (!ok || entered.isEmpty() || entered == address)
        return;
    address = entered;
    TOneWireSettings::SetServerAddress(address);
    failureShown = false;
    startPolling();
}

void TEnrolKeysFrm::showStatus(const QString& text, bool fault) {
    StatusLbl->setText(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    QPalette palette = StatusLbl->palette();
    palette.setColor(QPalette::WindowText,
                     TAccessibility::Readable(fault ? QColor(Qt::darkRed) : palette.color(QPalette::Text),
                                              palette.color(QPalette::Window)));
    StatusLbl->setPalette(palette);
    // A long message takes more lines: the window grows rather than cut it off.
    const int missing = StatusLbl->heightForWidth(StatusLbl->width()) - StatusLbl->height();
    if (isVisible() && missing > 0)
        resize(width(), height() + missing);
}

// A short sound and a coloured flash, so that the user need not look at the screen. A flash
// lasts FlashMs after the last event, in that event's colour.
void TEnrolKeysFrm::flash(bool success) {
    QApplication::beep();
    setStatusBackground(success ? QColor(0xb7, 0xeb, 0xb0) : QColor(0xf5, 0xb7, 0xb1));
    flashTimer->start();
}

void TEnrolKeysFrm::setStatusBackground(const QColor& colour) {
    QPalette palette = StatusLbl->palette();
    palette.setColor(QPalette::Window, colour);
    // The text stays readable on the flash and back on the window's colour.
    palette.setColor(QPalette::WindowText, TAccessibility::Readable(palette.color(QPalette::WindowText), colour));
    StatusLbl->setPalette(palette);
}

void TEnrolKeysFrm::NameForAccessibility() {
    TAccessibility::Describe({
        {ServerLbl, tr("Reader"), tr("The 1-Wire server the keys are read from")},
        {SettingsBtn, tr("Settings..."), tr("Choose the 1-Wire server")},
        {StatusLbl, tr("Status"), tr("The last key read, or why none was")},
        {NoteEdit, tr("Note"), tr("The note given to each key enrolled next")},
        {EnrolledList, tr("Enrolled keys"), tr("The keys enrolled in this window, newest last")},
        {UndoBtn, tr("Undo last"), tr("Take the last enrolled key out of the list again")},
        {CloseBtn, tr("Close"), tr("Close the window; enrolled keys stay in the list")},
    });
    TAccessibility::PairLabels(this);
    CloseBtn->setDefault(true);
}
