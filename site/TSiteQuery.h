#pragma once

#include <QByteArray>
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
    // False only when a key-list file with these bytes cannot hold a match: most files of a site
    // are passed over without being parsed. A note search in text beyond ASCII cannot tell.
    bool MayMatch(const QByteArray& fileBytes) const;

    static TSiteQuery Parse(const QString& text);
    // Only a key code; empty codes and why in *error when the text is not one.
    static TSiteQuery Code(const QString& text, QString* error);
};
