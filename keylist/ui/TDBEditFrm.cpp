#include "keylist/ui/TDBEditFrm.h"
#include "keylist/TKeyListSchema.h"

#include "dbf/TDbfTable.h"
#include "keylist/TKeyListStore.h"
#include "keylist/TKeyNote.h"
#include "keylist/ui/TKeyCodeValidator.h"
#include "keylist/ui/TTypedTextValidator.h"
#include "keys/TKeyCode.h"
#include "keys/TKeyPlaceholder.h"
#include "keys/TKeyTable.h"
#include "seams/TMessageBoxes.h"
#include "seams/ui/TAccessibility.h"
#include "seams/ui/TErrorReport.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

const QString TDBEditFrm::LengthError =
    QStringLiteral(QT_TRANSLATE_NOOP("TDBEditFrm", "Lenght of key code must be 12 symbols"));
const QString TDBEditFrm::DuplicateError =
    QStringLiteral(QT_TRANSLATE_NOOP("TDBEditFrm", "Key with defined code already excist!"));
const QString TDBEditFrm::KeyCodeHint = QStringLiteral(QT_TRANSLATE_NOOP(
    "TDBEditFrm",
    "The key code is the key's six serial bytes in the order the wire sends them, as 12 hexadecimal "
    "digits.\nThe can is engraved CRC, the six bytes most significant first, then the family 01: "
    "the key engraved \"66 000000FBC52B 01\" has the code 2BC5FB000000.\nPaste any written form: "
    "the 16-digit number family first or as engraved, the engraving without its CRC, \"01.XXXXXXXXXXXX\", "
    "Linux's \"01-xxxxxxxxxxxx\", byte dumps and C arrays, with or without spaces, dots, dashes or "
    "colons."));

const QString TDBEditFrm::OrderCaption = QStringLiteral(QT_TRANSLATE_NOOP("TDBEditFrm", "Which Order?"));

namespace {
// Room for a pasted C array or a code with its words around it; cut shorter, a paste could lose
// its CRC and still read. The validator leaves at most 12 digits.
constexpr int PastedLength = 120;
} // namespace

namespace {
const QString RecIdField = QLatin1String(TKeyListSchema::RecIdField);
const QString KeyCodeField = QLatin1String(TKeyListSchema::KeyCodeField);
const QString StatusField = QStringLiteral("KEYSTATUS");
const QString MemoField = QStringLiteral("KEYMEMO");

void makeGrey(QLineEdit* edit) {
    edit->setReadOnly(true);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    edit->setPalette(palette);
}

QLabel* problemLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    TAccessibility::SetTextColor(label, QColor(0xb4, 0x23, 0x18));
    label->setVisible(false);
    return label;
}

// The texts kept in English for callers and tests, in the language the program speaks.
QString translated(const QString& source) {
    return TDBEditFrm::tr(source.toUtf8().constData());
}

// The reasons the core gives read as part of a sentence; beside the field they stand alone.
QString sentence(QString reason) {
    if (!reason.isEmpty())
        reason[0] = reason[0].toUpper();
    return reason;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}
} // namespace

TDBEditFrm::TDBEditFrm(TKeyListStore& store, std::function<int()> activePage, QWidget* parent)
    : TKeyDialog(parent), store(store), activePage(std::move(activePage)),
      Scale(TScreenScale::forWidget(this)) {
    setObjectName(QStringLiteral("DBEditFrm"));
    FormCreate();
    connect(OkBtn, &QPushButton::clicked, this, [this] { TErrorReport::run([this] { OkBtnClick(); }); });
    connect(FirstBtn, &QPushButton::clicked, this,
            [this] { TErrorReport::run([this] { FirstBtnClick(); }); });
    connect(PriorBtn, &QPushButton::clicked, this,
            [this] { TErrorReport::run([this] { PriorBtnClick(); }); });
    connect(NextBtn, &QPushButton::clicked, this, [this] { TErrorReport::run([this] { NextBtnClick(); }); });
    connect(LastBtn, &QPushButton::clicked, this, [this] { TErrorReport::run([this] { LastBtnClick(); }); });
    connect(KeyCodeEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { TErrorReport::run([this, text] { codeEdited(text); }); });
    connect(KeyCodeEdit, &QLineEdit::textChanged, this, [this](const QString& text) { showEngraved(text); });
    connect(KeyInfoEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { TErrorReport::run([this, text] { noteEdited(text); }); });
    connect(ActiveCB, &QCheckBox::clicked, this, [this](bool checked) {
        TErrorReport::run([this, checked] { writeField(StatusField, checked); });
    });
    KeyCodeEdit->installEventFilter(this);
}

void TDBEditFrm::FormCreate() {
    setFont(Scale.font(font()));
    buildLayout();
}

void TDBEditFrm::buildLayout() {
    RecNoEdit = new QLineEdit(this);
    RecNoEdit->setObjectName(QStringLiteral("RecNoEdit"));
    makeGrey(RecNoEdit);
    KeyCodeEdit = new QLineEdit(this);
    KeyCodeEdit->setObjectName(QStringLiteral("KeyCodeEdit"));
    KeyCodeEdit->setMaxLength(PastedLength);
    KeyCodeEdit->setValidator(new TKeyCodeValidator(KeyCodeEdit));
    KeyCodeEdit->setToolTip(translated(KeyCodeHint));
    EngravedEdit = new QLineEdit(this);
    EngravedEdit->setObjectName(QStringLiteral("EngravedEdit"));
    EngravedEdit->setFocusPolicy(Qt::NoFocus);
    EngravedEdit->setToolTip(translated(KeyCodeHint));
    makeGrey(EngravedEdit);
    // Wide enough for the whole engraved form, which is longer than the code.
    EngravedEdit->setMinimumWidth(
        EngravedEdit->fontMetrics().horizontalAdvance(QStringLiteral("66 000000FBC52B 01")) + Scale.px(16));
    CodeCheckedLbl = new QLabel(QStringLiteral("\u2713 ") + tr("checked"), this);
    CodeCheckedLbl->setObjectName(QStringLiteral("CodeCheckedLbl"));
    CodeCheckedLbl->setToolTip(tr("The pasted key number's CRC checked"));
    TAccessibility::SetTextColor(CodeCheckedLbl, QColor(0x1a, 0x7f, 0x37));
    CodeCheckedLbl->setVisible(false);
    CodeProblemLbl = problemLabel(this, "CodeProblemLbl");
    NoteProblemLbl = problemLabel(this, "NoteProblemLbl");
    ActiveCB = new QCheckBox(tr("Active Key"), this);
    ActiveCB->setObjectName(QStringLiteral("ActiveCB"));
    KeyInfoEdit = new QLineEdit(this);
    KeyInfoEdit->setObjectName(QStringLiteral("KeyInfoEdit"));
    KeyInfoEdit->setMaxLength(TKeyTable::MemoLength);
    KeyInfoEdit->setValidator(new TTypedTextValidator(KeyInfoEdit));
    KeyTypeEdit = new QLineEdit(this);
    KeyTypeEdit->setObjectName(QStringLiteral("KeyTypeEdit"));
    KeyTypeEdit->setFocusPolicy(Qt::NoFocus);
    makeGrey(KeyTypeEdit);
    FirstBtn = button(this, "FirstBtn", QStringLiteral("|<"));
    PriorBtn = button(this, "PriorBtn", QStringLiteral("<"));
    NextBtn = button(this, "NextBtn", QStringLiteral(">"));
    LastBtn = button(this, "LastBtn", QStringLiteral(">|"));
    OkBtn = button(this, "OkBtn", QStringLiteral("OK"));
    for (QPushButton* b : {FirstBtn, PriorBtn, NextBtn, LastBtn})
        b->setFixedWidth(Scale.px(36));
    OkBtn->setFixedWidth(Scale.px(90));

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(tr("Record #:"), this), 0, 0);
    fields->addWidget(RecNoEdit, 0, 1);
    fields->addWidget(new QLabel(tr("Key Type:"), this), 0, 2, Qt::AlignRight);
    fields->addWidget(KeyTypeEdit, 0, 3);
    fields->addWidget(new QLabel(tr("Key Code:"), this), 1, 0);
    fields->addWidget(KeyCodeEdit, 1, 1);
    fields->addWidget(ActiveCB, 1, 3);
    fields->addWidget(new QLabel(tr("Engraved:"), this), 2, 0);
    fields->addWidget(EngravedEdit, 2, 1);
    fields->addWidget(CodeCheckedLbl, 2, 3);
    fields->addWidget(CodeProblemLbl, 3, 1, 1, 3);
    fields->addWidget(new QLabel(tr("Key Info:"), this), 4, 0);
    fields->addWidget(KeyInfoEdit, 4, 1, 1, 3);
    fields->addWidget(NoteProblemLbl, 5, 1, 1, 3);
    fields->setColumnMinimumWidth(1, Scale.px(130));
    fields->setColumnMinimumWidth(3, Scale.px(130));

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(Scale.px(2));
    for (QPushButton* b : {FirstBtn, PriorBtn, NextBtn, LastBtn})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(OkBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(Scale.px(8));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(RecNoEdit, KeyCodeEdit);
    setTabOrder(KeyCodeEdit, ActiveCB);
    setTabOrder(ActiveCB, KeyInfoEdit);
    setTabOrder(KeyInfoEdit, FirstBtn);
    setTabOrder(FirstBtn, PriorBtn);
    setTabOrder(PriorBtn, NextBtn);
    setTabOrder(NextBtn, LastBtn);
    setTabOrder(LastBtn, OkBtn);
    NameForAccessibility();
}

void TDBEditFrm::FormShow() {
    const bool master = activePage() == 1;
    setWindowTitle(master ? tr("Master Key Info") : tr("Slave Key Info"));
    KeyTypeEdit->setText(master ? tr("MASTER KEY") : tr("SLAVE KEY"));
    codeRefused = false;
    bind(master ? &store.MKeysTable() : &store.SKeysTable());
    view->Edit();
    loadControls();
    RecNoEdit->setFocus();
}

void TDBEditFrm::bind(TDbfTable* table) {
    if (view)
        disconnect(view, nullptr, this, nullptr);
    view = table;
    for (auto signal : {&TDbfTable::AfterScroll, &TDbfTable::DataSetChanged, &TDbfTable::StateChanged,
                        &TDbfTable::AfterClose})
        connect(view, signal, this, &TDBEditFrm::loadControls);
    connect(view, &TDbfTable::FieldChanged, this, &TDBEditFrm::loadControls);
}

void TDBEditFrm::loadControls() {
    if (!view || writing)
        return;
    loading = true;
    CodeCheckedLbl->setVisible(false);
    showProblem(CodeProblemLbl, &codeProblem, QString());
    showProblem(NoteProblemLbl, &noteProblem, QString());
    const bool active = view->Active();
    RecNoEdit->setText(active ? view->FieldByName(RecIdField)->DisplayText() : QString());
    KeyCodeEdit->setText(active ? view->FieldByName(KeyCodeField)->AsString() : QString());
    hadKey = TKeyCode::IsCode(KeyCodeEdit->text());
    ActiveCB->setChecked(active && view->FieldByName(StatusField)->AsBoolean());
    KeyInfoEdit->setText(active ? view->FieldByName(MemoField)->AsString() : QString());
    loading = false;
}

void TDBEditFrm::writeField(const QString& name, const QVariant& value) {
    if (loading || !view || !view->Active())
        return;
    writing = true;
    try {
        if (view->State() == dsBrowse)
            view->Edit();
        view->FieldByName(name)->SetValue(value);
    } catch (...) {
        writing = false;
        throw;
    }
    writing = false;
}

void TDBEditFrm::codeEdited(const QString& text) {
    const auto* validator = qobject_cast<const TKeyCodeValidator*>(KeyCodeEdit->validator());
    CodeCheckedLbl->setVisible(validator && validator->LastInputChecked());
    // The record keeps its code until the field holds one that reads.
    if (validator && validator->LastInputRefused()) {
        showProblem(CodeProblemLbl, &codeProblem, validator->LastReading().error);
        return;
    }
    QString code = text;
    const bool explicitOrder = validator && validator->LastReading().ok;
    if (!explicitOrder && TKeyCode::IsAmbiguous(code)) {
        code = askOrder(code);
        if (code.isEmpty()) {
            showProblem(CodeProblemLbl, &codeProblem, TKeyCode::Read(text).error);
            return;
        }
        KeyCodeEdit->setText(code);
    }
    showProblem(CodeProblemLbl, &codeProblem, QString());
    writeField(KeyCodeField, code);
    activateNewKey(code);
}

QString TDBEditFrm::askOrder(const QString& code) {
    const QString other = TKeyCode::Reversed(code);
    const QString question =
        tr("The code %1 reads two ways.\r\rYes: it is the key list's code, in the order the wire "
           "sends it: %1 (engraved \"%2\").\rNo: it is the middle of the engraving \"%3\": the "
           "code is %4.\r\rCancel: say neither and mend the code.")
            .arg(code, TKeyCode::Engraved(code), TKeyCode::Engraved(other), other);
    switch (MessageBoxes().confirmYesNoCancel(question, translated(OrderCaption))) {
    case TMessageBoxes::Answer::Yes:
        return code;
    case TMessageBoxes::Answer::No:
        return other;
    default:
        return QString();
    }
}

void TDBEditFrm::activateNewKey(const QString& code) {
    if (hadKey || !TKeyCode::IsCode(code))
        return;
    hadKey = true;
    if (!ActiveCB->isChecked()) {
        ActiveCB->setChecked(true);
        writeField(StatusField, true);
    }
}

void TDBEditFrm::noteEdited(const QString& text) {
    showProblem(NoteProblemLbl, &noteProblem, TKeyNote::Refusal(text));
    if (noteProblem.isEmpty())
        writeField(MemoField, TKeyNote::Composed(text));
}

void TDBEditFrm::showProblem(QLabel* label, QString* problem, const QString& reason) {
    *problem = reason;
    label->setText(sentence(reason));
    label->setVisible(!reason.isEmpty());
    OkBtn->setEnabled(codeProblem.isEmpty() && noteProblem.isEmpty());
}

void TDBEditFrm::showEngraved(const QString& code) {
    EngravedEdit->setText(TKeyCode::Engraved(code));
}

bool TDBEditFrm::keyCodeRuleHolds(bool closing) {
    if (KeyCodeEdit->text().size() == TKeyTable::KeyCodeLength || !ActiveCB->isChecked())
        return true;
    MessageBoxes().error(closing ? translated(LengthError) + QLatin1Char('.') : translated(LengthError));
    return false;
}

// Enter pressed in the code field or a click that did not take the focus away still has to pass
// the check that leaving the field makes.
bool TDBEditFrm::keyCodeAccepted() {
    if (!codeProblem.isEmpty() || !noteProblem.isEmpty())
        return false;
    if (KeyCodeEdit->hasFocus())
        KeyCodeEditExit();
    return !codeRefused;
}

void TDBEditFrm::KeyCodeEditEnter() {
    if (KeyCodeEdit->text().toUpper() == QLatin1String(TKeyPlaceholder::EmptyCode)) {
        KeyCodeEdit->clear();
        writeField(KeyCodeField, QString());
    }
}

void TDBEditFrm::KeyCodeEditExit() {
    if (!codeProblem.isEmpty())
        return; // said beside the field already
    const QString code = KeyCodeEdit->text();
    if (code.isEmpty()) {
        KeyCodeEdit->setText(QLatin1String(TKeyPlaceholder::EmptyCode));
        writeField(KeyCodeField, QLatin1String(TKeyPlaceholder::EmptyCode));
        codeRefused = false;
        return;
    }
    if (code == QLatin1String(TKeyPlaceholder::EmptyCode) || !view) {
        codeRefused = false;
        return;
    }
    codeRefused = store.DuplicateHolder(code, view->RecNo()) != nullptr;
    if (codeRefused) {
        MessageBoxes().error(translated(DuplicateError));
        KeyCodeEdit->setFocus();
    }
}

void TDBEditFrm::OkBtnClick() {
    if (!keyCodeAccepted() || !keyCodeRuleHolds(false))
        return;
    if (view->State() != dsEdit)
        view->Edit();
    view->Post();
    accept();
}

void TDBEditFrm::navigate(void (TDbfTable::*move)()) {
    if (!keyCodeAccepted() || !keyCodeRuleHolds(false))
        return;
    (view->*move)();
    view->Edit();
}

void TDBEditFrm::FirstBtnClick() {
    navigate(&TDbfTable::First);
}
void TDBEditFrm::PriorBtnClick() {
    navigate(&TDbfTable::Prior);
}
void TDBEditFrm::NextBtnClick() {
    navigate(&TDbfTable::Next);
}
void TDBEditFrm::LastBtnClick() {
    navigate(&TDbfTable::Last);
}

// OK is the only way out: it stores the key. A close request (the dialog has no close box, but a
// window manager may still ask) only shows the rule's complaint and leaves the dialog open on the
// pending edit, so nothing typed is lost or stored behind the user's back.
bool TDBEditFrm::FormClose() {
    if (keyCodeAccepted())
        keyCodeRuleHolds(true);
    return false;
}

void TDBEditFrm::reject() {
    TErrorReport::run([this] { FormClose(); });
}

void TDBEditFrm::keyPressEvent(QKeyEvent* event) {
    // Escape does nothing here; QDialog would take it as a close request.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    TKeyDialog::keyPressEvent(event);
}

bool TDBEditFrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == KeyCodeEdit) {
        if (event->type() == QEvent::FocusIn) {
            TErrorReport::run([this] { KeyCodeEditEnter(); });
        } else if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // Only leaving the field for another control counts; a message box or another
            // window taking the focus does not.
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && isVisible())
                TErrorReport::run([this] { KeyCodeEditExit(); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TDBEditFrm::NameForAccessibility() {
    TAccessibility::Describe({
        {RecNoEdit, tr("Record #"), tr("The key's slot number, read only")},
        {KeyTypeEdit, tr("Key Type"), tr("Master key or slave key, read only")},
        {KeyCodeEdit, tr("Key Code"),
         tr("12 hexadecimal digits; any written form of the key number may be pasted")},
        {EngravedEdit, tr("Engraved"), tr("The key code as it is engraved on the key, read only")},
        {CodeCheckedLbl, tr("Checked"), tr("The pasted key number's CRC checked")},
        {CodeProblemLbl, tr("Key code problem"), tr("Why the key code is refused")},
        {NoteProblemLbl, tr("Note problem"), tr("Why the note is refused")},
        {ActiveCB, tr("Active Key"), tr("Checked: the key opens the door; unchecked: deactivated")},
        {KeyInfoEdit, tr("Key Info"), tr("A note about the key or its holder")},
        {FirstBtn, tr("First key"), tr("Go to the first key of the list")},
        {PriorBtn, tr("Previous key"), tr("Go to the previous key")},
        {NextBtn, tr("Next key"), tr("Go to the next key")},
        {LastBtn, tr("Last key"), tr("Go to the last key of the list")},
        {OkBtn, tr("OK"), tr("Store the key and close")},
    });
    TAccessibility::PairLabels(this);
    OkBtn->setDefault(true);
}
