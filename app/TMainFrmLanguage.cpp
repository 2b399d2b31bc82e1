#include "app/TMainFrm.h"

#include "seams/TInstalledMessageBoxes.h"
#include "settings/TAppSettings.h"
#include "settings/TLanguage.h"

#include <QAction>
#include <QActionGroup>
#include <QLocale>
#include <QMenu>

namespace {
// A language is offered in its own words, so that a user who cannot read the current one finds it.
QString ownName(const QString& language) {
    QString name = QLocale(language).nativeLanguageName();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}
} // namespace

QMenu* TMainFrm::CreateLanguageMenu() {
    MenuLanguage = new QMenu(tr("&Language"), this);
    MenuLanguage->setObjectName(QStringLiteral("MenuLanguage"));
    auto* group = new QActionGroup(MenuLanguage);
    const auto add = [this, group](const QString& caption, const QString& language) {
        QAction* action = MenuLanguage->addAction(caption);
        action->setObjectName(QStringLiteral("MenuLanguage_") + (language.isEmpty() ? "desktop" : language));
        action->setData(language);
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, language] { MenuLanguageClick(language); });
    };
    add(tr("The desktop's language"), QString());
    MenuLanguage->addSeparator();
    add(QStringLiteral("English"), QStringLiteral("en"));
    for (const QString& language : TLanguage::Translated())
        add(ownName(language), language);
    UpdateLanguageMenu();
    return MenuLanguage;
}

void TMainFrm::UpdateLanguageMenu() {
    const QString chosen = Settings ? Settings->language() : QString();
    MenuLanguage->setEnabled(Settings != nullptr);
    for (QAction* action : MenuLanguage->actions())
        if (action->isCheckable())
            action->setChecked(action->data().toString() == chosen);
}

void TMainFrm::MenuLanguageClick(const QString& language) {
    if (!Settings)
        return;
    const QString before = Settings->language();
    Settings->setLanguage(language);
    UpdateLanguageMenu();
    if (language == before)
        return;
    // Every window is built in the language of the start; changing it under an open list would mix two.
    TInstalledMessageBoxes::Shared().information(
        tr("The program speaks the chosen language from its next start."), tr("Language"));
}
