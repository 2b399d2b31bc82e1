#pragma once

#include "keylist/TKeyListHost.h"

#include <QCoreApplication>
#include <QString>

class TAppSettings;
class TKeyListSaveHook;
class TKeyListStore;
class TMessageBoxes;

// The file commands New, Open, Save and Save As with the change flag, the file name and title of
// the open key list and the save prompt that guards against losing changes. They say and ask
// through the boxes their owner passes in.
class TKeyListCommands {
    Q_DECLARE_TR_FUNCTIONS(TKeyListCommands)

public:
    static const QString CaptionPrefix; // "VELM Tarvikon   Key file: "
    static const QString SavePrompt;
    static const QString NoListOpen;
    // The window caption for the list of this title.
    static QString Caption(const QString& title);

    TKeyListCommands(TKeyListStore& store, TKeyListHost& host, TMessageBoxes& boxes);

    bool KeyListModified() const;
    QString KeyListPath() const;
    QString KeyListTitle() const;
    bool SaveAsPending() const;

    // The main window was shown: no change, no file name.
    void Reset();
    // Every edit of a view and every change of the information text.
    void MarkChanged();

    // With settings, Open and Save start their dialogs in the folder used last when no key list
    // file is named yet, and every file opened or saved heads the recent key lists.
    void SetSettings(TAppSettings* settings);
    // Told before and after every save that writes the list.
    void SetSaveHook(TKeyListSaveHook* hook) { saveHook = hook; }

    // True when a new list is open (not when the user kept the open one, or it failed).
    bool New();
    void Open();
    // Opens a file of the recent key lists; one that no longer exists is taken off them, with a message.
    void OpenRecent(const QString& path);
    // True when the key list was written; false when no key list is open (an error box says so),
    // the user cancelled the name or the write failed (the list stays changed).
    bool Save();
    bool SaveAs();
    // Saves the open list as that file, without asking for a name (a file the program chose).
    bool SaveAsFile(const QString& target);
    // The save prompt before New and Open; false when the user cancelled or the save did not happen.
    bool SaveChangesFirst();

private:
    // Says that no list is open, when none is.
    bool refusedWithoutList();
    bool askTarget(QString* target);
    bool saveTo(const QString& target, bool named);
    QString dialogFolder() const;
    void openFile(const QString& full);
    void setCaption();

    TKeyListStore& store;
    TKeyListHost& host;
    TMessageBoxes& boxes;
    TAppSettings* settings = nullptr;
    TKeyListSaveHook* saveHook = nullptr;
};
