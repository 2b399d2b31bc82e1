#pragma once

#include <QString>

// Told around every save of the open key list, so that what a save changed can be recorded by
// those who keep such records (a site's journal), without the key-list commands knowing them.
class TKeyListSaveHook {
public:
    virtual ~TKeyListSaveHook() = default;

    // target is about to be replaced: what it holds now is what the save changes.
    virtual void BeforeSave(const QString& target) = 0;
    // target holds the saved list. Returns what the user should hear (the save itself stands), or
    // an empty text.
    virtual QString AfterSave(const QString& target) = 0;
};
