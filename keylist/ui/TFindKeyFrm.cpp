#include "keylist/ui/TFindKeyFrm.h"

#include "keylist/TKeyListStore.h"
#include "keylist/ui/TTypedTextValidator.h"
#include "keys/TKeyTable.h"
#include "seams/ui/TAccessibility.h"
#include "seams/ui/TErrorReport.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

const QString TFindKeyFrm::NotFound =
    QStringLiteral(QT_TRANSLATE_NOOP("TFindKeyFrm", "Key with defined parametrs not found."));

QString TFindKeyFrm::NotFoundMessage() {
    return tr(NotFound.toUtf8().constData());
}

namespace {
enum TKeyTypeItem { MasterItem, SlaveItem, AnyItem };
}

TFindKeyFrm::TFindKeyFrm(TKeyListStore& store, std::function<int()> activePage, QWidget* parent)
    : TKeyDialog(parent), store(store), activePage(std::move(activePage)) {
    setObjectName(QStringLiteral("FindKeyFrm"));
    setWindowTitle(tr("Find Key Dialog"));
    KeyCodeEdit = new QLineEdit(this);
    KeyCodeEdit->setObjectName(QStringLiteral("KeyCodeEdit"));
    KeyCodeEdit->setMaxLength(TKeyTable::KeyCodeLength);
    KeyTypeCombo = new QComboBox(this);
    KeyTypeCombo->setObjectName(QStringLiteral("KeyTypeCombo"));
    KeyTypeCombo->addItems({tr("Master Key"), tr("Slave Key"), tr("Any Type")});
    KeyInfoEdit = new QLineEdit(this);
    KeyInfoEdit->setObjectName(QStringLiteral("KeyInfoEdit"));
    KeyInfoEdit->setMaxLength(TKeyTable::MemoLength);
    KeyInfoEdit->setValidator(new TTypedTextValidator(KeyInfoEdit));
    KeyInfoEdit->setMinimumWidth(200);
    FindBtn = new QPushButton(tr("Find Key"), this);
    FindBtn->setObjectName(QStringLiteral("FindBtn"));
    FindBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);

    auto* fields = new QFormLayout;
    fields->addRow(tr("Key Code:"), KeyCodeEdit);
    fields->addRow(tr("Key Type:"), KeyTypeCombo);
    fields->addRow(tr("Key Info:"), KeyInfoEdit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(FindBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(KeyCodeEdit, KeyTypeCombo);
    setTabOrder(KeyTypeCombo, KeyInfoEdit);
    setTabOrder(KeyInfoEdit, FindBtn);
    setTabOrder(FindBtn, CancelBtn);

    connect(FindBtn, &QPushButton::clicked, this, [this] { TErrorReport::run([this] { FindBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    NameForAccessibility();
}

void TFindKeyFrm::FormShow() {
    KeyCodeEdit->clear();
    KeyInfoEdit->clear();
    const int page = activePage();
    KeyTypeCombo->setCurrentIndex(page == 1 ? MasterItem : page == 2 ? SlaveItem : AnyItem);
    KeyCodeEdit->setFocus();
}

void TFindKeyFrm::FindBtnClick() {
    const QString code = KeyCodeEdit->text();
    const QString info = KeyInfoEdit->text();
    bool found = false;
    switch (KeyTypeCombo->currentIndex()) {
    case MasterItem:
        found = TKeyListStore::FindKey(store.MKeysTable(), code, info);
        break;
    case SlaveItem:
        found = TKeyListStore::FindKey(store.SKeysTable(), code, info);
        break;
    default:
        found = TKeyListStore::FindKey(store.MKeysTable(), code, info) ||
                TKeyListStore::FindKey(store.SKeysTable(), code, info);
        break;
    }
    done(found ? QDialog::Accepted : ResultNo);
}

void TFindKeyFrm::NameForAccessibility() {
    TAccessibility::Describe({
        {KeyCodeEdit, tr("Key Code"), tr("The code to find, or its beginning")},
        {KeyTypeCombo, tr("Key Type"), tr("Look among master keys, slave keys or both")},
        {KeyInfoEdit, tr("Key Info"), tr("Text of the note to find")},
        {FindBtn, tr("Find Key"), tr("Go to the first key that matches")},
        {CancelBtn, tr("Cancel"), tr("Close without finding")},
    });
}
