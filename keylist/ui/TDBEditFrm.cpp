#include "keylist/ui/TDBEditFrm.h"
#include "keylist/TKeyListSchema.h"

#include "dbf/TDbfTable.h"
#include "keylist/TKeyListStore.h"
#include "keylist/ui/TKeyCodeValidator.h"
#include "keylist/ui/TTypedTextValidator.h"
#include "seams/TErrorReport.h"
#include "seams/TMessageBoxes.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

const QString TDBEditFrm::LengthError = QStringLiteral("Lenght of key code must be 12 symbols");
const QString TDBEditFrm::DuplicateError = QStringLiteral("Key with defined code already excist!");

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
    connect(KeyCodeEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        TErrorReport::run([this, text] { writeField(KeyCodeField, text); });
    });
    connect(KeyInfoEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        TErrorReport::run([this, text] { writeField(MemoField, text); });
    });
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
    KeyCodeEdit->setMaxLength(TKeyListSchema::KeyCodeLength);
    KeyCodeEdit->setValidator(new TKeyCodeValidator(KeyCodeEdit));
    ActiveCB = new QCheckBox(QStringLiteral("Active Key"), this);
    ActiveCB->setObjectName(QStringLiteral("ActiveCB"));
    KeyInfoEdit = new QLineEdit(this);
    KeyInfoEdit->setObjectName(QStringLiteral("KeyInfoEdit"));
    KeyInfoEdit->setMaxLength(TKeyListSchema::MemoLength);
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
    fields->addWidget(new QLabel(QStringLiteral("Record #:"), this), 0, 0);
    fields->addWidget(RecNoEdit, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Key Type:"), this), 0, 2, Qt::AlignRight);
    fields->addWidget(KeyTypeEdit, 0, 3);
    fields->addWidget(new QLabel(QStringLiteral("Key Code:"), this), 1, 0);
    fields->addWidget(KeyCodeEdit, 1, 1);
    fields->addWidget(ActiveCB, 1, 3);
    fields->addWidget(new QLabel(QStringLiteral("Key Info:"), this), 2, 0);
    fields->addWidget(KeyInfoEdit, 2, 1, 1, 3);
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
}

void TDBEditFrm::FormShow() {
    const bool master = activePage() == 1;
    setWindowTitle(master ? QStringLiteral("Master Key Info") : QStringLiteral("Slave Key Info"));
    KeyTypeEdit->setText(master ? QStringLiteral("MASTER KEY") : QStringLiteral("SLAVE KEY"));
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
    const bool active = view->Active();
    RecNoEdit->setText(active ? view->FieldByName(RecIdField)->DisplayText() : QString());
    KeyCodeEdit->setText(active ? view->FieldByName(KeyCodeField)->AsString() : QString());
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

bool TDBEditFrm::keyCodeRuleHolds(bool closing) {
    if (KeyCodeEdit->text().size() == TKeyListSchema::KeyCodeLength || !ActiveCB->isChecked())
        return true;
    MessageBoxes().error(closing ? LengthError + QLatin1Char('.') : LengthError);
    return false;
}

// Enter pressed in the code field or a click that did not take the focus away still has to pass
// the check that leaving the field makes.
bool TDBEditFrm::keyCodeAccepted() {
    if (KeyCodeEdit->hasFocus())
        KeyCodeEditExit();
    return !codeRefused;
}

void TDBEditFrm::KeyCodeEditEnter() {
    if (KeyCodeEdit->text().toUpper() == QLatin1String(TKeyListSchema::EmptyCode)) {
        KeyCodeEdit->clear();
        writeField(KeyCodeField, QString());
    }
}

void TDBEditFrm::KeyCodeEditExit() {
    const QString code = KeyCodeEdit->text();
    if (code.isEmpty()) {
        KeyCodeEdit->setText(QLatin1String(TKeyListSchema::EmptyCode));
        writeField(KeyCodeField, QLatin1String(TKeyListSchema::EmptyCode));
        codeRefused = false;
        return;
    }
    if (code == QLatin1String(TKeyListSchema::EmptyCode) || !view) {
        codeRefused = false;
        return;
    }
    codeRefused = store.DuplicateHolder(code, view->RecNo()) != nullptr;
    if (codeRefused) {
        MessageBoxes().error(DuplicateError);
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
