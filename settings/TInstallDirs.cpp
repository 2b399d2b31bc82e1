#include "settings/TInstallDirs.h"

#include <QDir>
#include <QFileInfo>

QString TInstallDirs::dataDirectory() {
    return QStringLiteral(VTRK_DATA_DIR);
}

QStringList TInstallDirs::dataDirectories(const QString& executableDir) {
    QStringList directories;
    if (!executableDir.isEmpty())
        directories << QDir::cleanPath(executableDir + QStringLiteral("/../") +
                                       QStringLiteral(VTRK_DATA_SUBDIR));
    if (!directories.contains(dataDirectory()))
        directories << dataDirectory();
    return directories;
}

QString TInstallDirs::locate(const QString& executableDir, const QString& name) {
    const QString beside = QDir(executableDir).filePath(name);
    if (QFileInfo(beside).isFile())
        return beside;
    for (const QString& directory : dataDirectories(executableDir)) {
        const QString installed = QDir(directory).filePath(name);
        if (QFileInfo(installed).isFile())
            return installed;
    }
    return beside;
}
