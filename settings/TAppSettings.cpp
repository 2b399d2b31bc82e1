#include "settings/TAppSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
const QString ComNumberKey = QStringLiteral("SerialPort/ComNumber");
const QString LastFolderKey = QStringLiteral("Folders/KeyLists");
const QString RecentKey = QStringLiteral("RecentKeyLists/Files");
// The port numbers the chooser offers.
constexpr int MaxComNumber = 50;
} // namespace

QString TAppSettings::userFileName() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/velm-tarvikon/velm-tarvikon.conf");
}

TAppSettings::TAppSettings(const QString& fileName)
    : settings(std::make_unique<QSettings>(fileName, QSettings::IniFormat)) {
    if (settings->status() != QSettings::FormatError)
        return;
    // What could be parsed from a broken file is not to be trusted; keep the file for whoever
    // wants to look at it, and start with defaults.
    broken = true;
    QFile::remove(fileName + QStringLiteral(".broken"));
    QFile::copy(fileName, fileName + QStringLiteral(".broken"));
    settings->clear();
}

TAppSettings::~TAppSettings() = default;

QString TAppSettings::fileName() const {
    return settings->fileName();
}

void TAppSettings::setValue(const QString& key, const QVariant& value) {
    settings->setValue(key, value);
    // Written at once: a crash later in the run keeps what was remembered.
    settings->sync();
}

int TAppSettings::comNumber() const {
    bool ok = false;
    const int number = settings->value(ComNumberKey).toInt(&ok);
    return ok && number >= 1 && number <= MaxComNumber ? number : 0;
}

void TAppSettings::setComNumber(int number) {
    if (number >= 1 && number <= MaxComNumber)
        setValue(ComNumberKey, number);
}

QString TAppSettings::lastFolder() const {
    const QVariant value = settings->value(LastFolderKey);
    if (value.userType() != QMetaType::QString)
        return QString();
    const QString folder = value.toString();
    return QDir::isAbsolutePath(folder) && QFileInfo(folder).isDir() ? folder : QString();
}

void TAppSettings::setLastFolder(const QString& folder) {
    setValue(LastFolderKey, QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
}

QStringList TAppSettings::recentKeyLists() const {
    const QVariant value = settings->value(RecentKey);
    QStringList stored;
    if (value.userType() == QMetaType::QStringList)
        stored = value.toStringList();
    else if (value.userType() == QMetaType::QString)
        stored << value.toString(); // a list of one is written as a plain value
    QStringList paths;
    for (const QString& path : stored) {
        if (paths.size() == RecentCount)
            break;
        if (QDir::isAbsolutePath(path) && !paths.contains(path))
            paths << path;
    }
    return paths;
}

void TAppSettings::setRecentKeyLists(const QStringList& paths) {
    setValue(RecentKey, paths.mid(0, RecentCount));
}

void TAppSettings::removeRecentKeyList(const QString& path) {
    QStringList paths = recentKeyLists();
    paths.removeAll(path);
    setRecentKeyLists(paths);
}

void TAppSettings::noteKeyListUsed(const QString& path) {
    const QFileInfo file(path);
    const QString full = QDir::cleanPath(file.absoluteFilePath());
    QStringList paths = recentKeyLists();
    paths.removeAll(full);
    paths.prepend(full);
    setRecentKeyLists(paths);
    setLastFolder(file.absolutePath());
}
