#include "keylist/TKeyListDocument.h"

template <typename T> void TKeyListDocument::Set(T& field, const T& value) {
    if (field == value)
        return;
    field = value;
    emit Changed();
}

void TKeyListDocument::SetModified(bool value) {
    Set(modified, value);
}

void TKeyListDocument::SetPath(const QString& value) {
    Set(path, value);
}

void TKeyListDocument::SetTitle(const QString& value) {
    Set(title, value);
}

void TKeyListDocument::SetSaveAsPending(bool value) {
    Set(saveAsPending, value);
}
