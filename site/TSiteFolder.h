#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <sys/types.h>

// Files a site keeps for its team (the site file, the journals) get the permissions of the site
// folder: a folder the team shares (group-writable) gives files the team can read and write, a
// private folder private files. The umask of whoever wrote first does not decide.
class TSiteFolder {
    Q_DECLARE_TR_FUNCTIONS(TSiteFolder)

public:
    // The read and write bits of the folder, for a file in it.
    static mode_t FileMode(const QString& folder);
    // A new file gets FileMode; an existing one keeps its own mode.
    static void ApplyMode(const QString& folder, const QString& path);
    // Replaces path atomically (whole or not at all); raises ESiteError naming it.
    static void SaveText(const QString& folder, const QString& path, const QByteArray& bytes);
    // A folder inside the site, made when missing with the site folder's permissions.
    static QString Subfolder(const QString& folder, const QString& name);
};
