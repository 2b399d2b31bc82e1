#pragma once

#include <QString>

// The directory the working copy of the key list lives in: a private directory of the user
// (mode 0700, a real directory owned by the user, not a link) under $TEMP, else $TMPDIR, else
// /tmp. A predictable file in a shared temporary directory could be replaced by another user.
class TWorkDir {
public:
    static constexpr int MaxLength = 500;

    // The temporary directory the private one is made in.
    static QString baseDirectory();
    // Makes (or checks) the private directory under base and returns its path. Throws
    // std::runtime_error with a message naming the directory when it cannot be used.
    static QString prepare(const QString& base);
    static QString prepare() { return prepare(baseDirectory()); }
    // The same for another private directory, named `name` followed by "-<uid>".
    static QString prepare(const QString& base, const QString& name);
    // A real directory (not a link) owned by this user that nobody else may enter.
    static bool isPrivate(const QString& path);
};
