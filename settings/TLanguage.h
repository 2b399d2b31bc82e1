#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

// The language the program speaks: the desktop's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) unless the
// user's setting names one. English is the source language and needs no translation; for another
// language the program's own texts and Qt's (the standard buttons) are installed when there is a
// translation of them, and English stays where there is none.
class TLanguage {
public:
    // The languages with a translation of the program, besides English.
    static QStringList Translated();
    // The language to use: "en", or one of Translated(). setting is "" (the desktop's) or a code.
    static QString Choose(const QString& setting, const QStringList& desktopLanguages);
    // The desktop's languages, most wanted first ("de-DE", "de", ...).
    static QStringList DesktopLanguages();

    // Installs the translators for language into the running application; the object keeps them.
    explicit TLanguage(const QString& language);
    ~TLanguage();
    TLanguage(const TLanguage&) = delete;
    TLanguage& operator=(const TLanguage&) = delete;

    QString Language() const { return language; }

private:
    QString language;
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};
