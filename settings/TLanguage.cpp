#include "settings/TLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
const QString English = QStringLiteral("en");
const QString OwnTranslations = QStringLiteral(":/i18n");
const QString OwnPrefix = QStringLiteral("velm-tarvikon_");

// "de_DE.UTF-8", "de-DE" and "de" are all German.
QString languageOf(const QString& name) {
    return name.section(QLatin1Char('.'), 0, 0)
        .section(QLatin1Char('@'), 0, 0)
        .section(QLatin1Char('_'), 0, 0)
        .section(QLatin1Char('-'), 0, 0)
        .toLower();
}
} // namespace

QStringList TLanguage::Translated() {
    QStringList languages;
    for (const QString& file :
         QDir(OwnTranslations).entryList({OwnPrefix + QStringLiteral("*.qm")}, QDir::Files))
        languages << file.mid(OwnPrefix.size()).chopped(3);
    return languages;
}

QStringList TLanguage::DesktopLanguages() {
    // LANGUAGE is a list; then the first of LC_ALL, LC_MESSAGES and LANG that is set decides.
    QStringList wanted = qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) {
            wanted << value;
            break;
        }
    }
    return wanted;
}

QString TLanguage::Choose(const QString& setting, const QStringList& desktopLanguages) {
    const QStringList translated = Translated();
    if (!setting.trimmed().isEmpty()) {
        const QString chosen = languageOf(setting.trimmed());
        return translated.contains(chosen) ? chosen : English;
    }
    for (const QString& name : desktopLanguages) {
        const QString language = languageOf(name);
        // "C" and "POSIX" ask for no translation at all, and English needs none.
        if (language == QLatin1String("c") || language == QLatin1String("posix") || language == English)
            return English;
        if (translated.contains(language))
            return language;
    }
    return English;
}

TLanguage::TLanguage(const QString& language) : language(language) {
    if (language == English)
        return;
    own = std::make_unique<QTranslator>();
    if (own->load(OwnPrefix + language, OwnTranslations))
        QCoreApplication::installTranslator(own.get());
    qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt.get());
}

TLanguage::~TLanguage() {
    if (own)
        QCoreApplication::removeTranslator(own.get());
    if (qt)
        QCoreApplication::removeTranslator(qt.get());
}
