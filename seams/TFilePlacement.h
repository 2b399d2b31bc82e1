#pragma once

#include <QString>

// Puts a finished file under its final name only when nothing has that name: not a file, not a
// link, not even a dangling one. Never by copying, which would write through a planted link.
class TFilePlacement {
public:
    // False, with the system's reason in *error, when the name is taken or the rename failed;
    // `from` is then left where it was.
    static bool PlaceNew(const QString& from, const QString& to, QString* error = nullptr);
};
