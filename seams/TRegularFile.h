#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// A file named by the user or found on disk may be a named pipe, a terminal or a device: opening
// one of those blocks or reads for ever. Every file the program reads by name comes through here:
// opened without blocking, checked to be a regular file, and read with a bound.
class TRegularFile {
    Q_DECLARE_TR_FUNCTIONS(TRegularFile)

public:
    struct TContents {
        bool ok = false;
        QByteArray data;
        QString error; // why not, ready to follow the file's name: "is a named pipe, not a file"
    };

    // Empty when path names a regular file (links followed); else why not, as above.
    static QString Check(const QString& path);
    // The whole file, refused when it is not a regular file or holds more than maxBytes.
    static TContents Read(const QString& path, qint64 maxBytes);
    // An open descriptor on the regular file, or -1 with why in *error. O_CLOEXEC, blocking mode
    // restored after the check.
    static int Open(const QString& path, QString* error);
    // "is a named pipe, not a file" for a stat mode that is not a regular file.
    static QString DescribeKind(unsigned mode);
};
