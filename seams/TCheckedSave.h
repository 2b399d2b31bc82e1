#pragma once

#include <QByteArray>
#include <QString>

// QSaveFile::commit() puts the new file in place even when bytes were lost on the way: a write
// cut short by a full disk is not an error to it, nor is a failure in its closing flush, and the
// user's file would become a short or empty one. Every file the program saves goes through here.
class TCheckedSave {
public:
    // Empty when path may be replaced (or does not exist yet); else why not. A file marked
    // read-only is refused even where the system would let the rename through (the folder
    // writable, or the user root): the mark is the user's protection.
    static QString CheckTarget(const QString& path);
    // Replaces path with bytes only when every byte was written and flushed; else the old file
    // stays as it was, nothing is left beside it, and *error says why.
    static bool Save(const QString& path, const QByteArray& bytes, QString* error);
};
