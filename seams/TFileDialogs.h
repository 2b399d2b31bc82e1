#pragma once

#include <QString>

// The open and save file dialogs go through this interface so that tests can answer them.
class TFileDialogs {
public:
    virtual ~TFileDialogs();

    // An empty result means the user cancelled.
    virtual QString getOpenFileName(const QString& title, const QString& filter,
                                    const QString& directory) = 0;
    // defaultSuffix (without the dot) is appended when the typed name has none.
    virtual QString getSaveFileName(const QString& title, const QString& filter, const QString& directory,
                                    const QString& defaultSuffix) = 0;

    static TFileDialogs& instance();
    // Installs the dialogs used from now on; the caller keeps ownership. nullptr restores the standard ones.
    static void setInstance(TFileDialogs* dialogs);
    // The standard dialogs, installed by the windowed program; without them every dialog is cancelled.
    static void setStandard(TFileDialogs* dialogs);
};

inline TFileDialogs& FileDialogs() {
    return TFileDialogs::instance();
}
