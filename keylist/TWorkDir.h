#pragma once

#include <QString>
#include <QStringList>

// The program's private working directory: the working copy and the index files live here.
// A fresh directory (mode 0700) is made under $TEMP, else $TMPDIR, else /tmp, and is checked to
// be a real directory owned by the user before anything is written into it, so no other user
// can plant, read or swap the files.
class TWorkDir {
public:
    // The base directory the environment names. Empty variables are passed over.
    static QString baseDirectory();
    // Makes the directory under base; throws std::runtime_error with the path and the system's
    // reason when that is impossible.
    static QString create(const QString& base);
    // True when path is a directory (not a link) owned by the user and closed to everybody else.
    static bool isPrivate(const QString& path);
    // Removes the files the program keeps there, then the directory when it is empty.
    static void remove(const QString& path, const QStringList& fileNames);
};
