#include "app/TLicenseFile.h"

#include "settings/TInstallDirs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <stdexcept>

namespace {

QString inDirectory(const QString& dir, const QString& name) {
    return dir.endsWith(QLatin1Char('/')) ? dir + name : dir + QLatin1Char('/') + name;
}

bool isFile(const QString& path) {
    return QFileInfo(path).isFile();
}

} // namespace

QString TLicenseFile::dataDirectory() {
    const QStringList candidates = TInstallDirs::dataDirectories(QCoreApplication::applicationDirPath());
    for (const QString& directory : candidates)
        if (isFile(inDirectory(directory, fileName())))
            return directory;
    return TInstallDirs::dataDirectory();
}

QString TLicenseFile::locate(const QString& executableDir, const QString& dataDir) {
    const QString name = fileName();
    if (isFile(name))
        return name;
    const QString besideExecutable = inDirectory(executableDir, name);
    if (isFile(besideExecutable))
        return besideExecutable;
    if (!dataDir.isEmpty()) {
        const QString installed = inDirectory(dataDir, name);
        if (isFile(installed))
            return installed;
    }
    return QString();
}

QString TLicenseFile::notFoundText(const QString& executableDir) {
    return QCoreApplication::translate("TLicenseFile", "File not found: %1")
        .arg(inDirectory(executableDir, fileName()));
}

QString TLicenseFile::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error(QCoreApplication::translate("TLicenseFile", "Cannot read %1: %2")
                                     .arg(path, file.errorString())
                                     .toStdString());
    QStringList lines;
    while (!file.atEnd())
        lines.append(QString::fromUtf8(file.readLine()).remove(QLatin1Char('\n')));
    return lines.join(QLatin1Char('\n'));
}
