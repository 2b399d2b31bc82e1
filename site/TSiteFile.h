#pragma once

#include "site/TSiteDoor.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

// The site file's text: a "[site]" section with the site's name and one "[door]" section per
// controller (serial, name, location, list), "key = value" lines, "#" comments. Plain text so
// that people read it and their sync tools (git, a file share) merge it line by line.
class TSiteFile {
    Q_DECLARE_TR_FUNCTIONS(TSiteFile)

public:
    static const QString FileName; // "site.ini"
    static constexpr qint64 MaxBytes = 4 * 1024 * 1024;

    QString siteName;
    QList<TSiteDoor> doors;

    // Raises ESiteError "<shown>:<line>: <reason>" for a line it cannot take; duplicate serial
    // numbers and lists are refused here too, at the line of the second.
    static TSiteFile Parse(const QByteArray& text, const QString& shown);
    QByteArray Text() const;

private:
    void checkDoor(const TSiteDoor& door, const QString& shown) const;
};
