#pragma once

#include <QString>
#include <QStringList>

// What the installer looks for across a site: a key code in any form the key parser takes (a
// typed bare code that reads both ways looks for both), else text in the notes.
struct TSiteQuery {
    QStringList codes; // 12 upper-case digits each; empty for a note search
    QString text;      // a note search: part of the note, any letter case

    bool IsCode() const { return !codes.isEmpty(); }
    bool MatchesCode(const QString& code) const { return codes.contains(code.toUpper()); }
    bool MatchesNote(const QString& note) const;

    static TSiteQuery Parse(const QString& text);
    // Only a key code; empty codes and why in *error when the text is not one.
    static TSiteQuery Code(const QString& text, QString* error);
};
