#include "settings/TAppSettings.h"

#include "seams/TRegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {
const QString ComNumberKey = QStringLiteral("SerialPort/ComNumber");
const QString LastFolderKey = QStringLiteral("Folders/KeyLists");
const QString RecentKey = QStringLiteral("RecentKeyLists/Files");
const QString OneWireServerKey = QStringLiteral("OneWire/Server");
const QString LanguageKey = QStringLiteral("General/Language");
// The port numbers the chooser offers.
constexpr int MaxComNumber = 50;
// A few hundred bytes in use; the settings reader takes a file whole, so a larger one is not read.
constexpr qint64 MaxSettingsBytes = 1024 * 1024;
} // namespace

QString TAppSettings::userFileName() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/velm-tarvikon/velm-tarvikon.conf");
}

namespace {
// Why the file cannot hold settings: empty for a regular file or none at all.
QString unusable(const QString& fileName) {
    struct stat st {};
    if (::stat(QFile::encodeName(fileName).constData(), &st) != 0 || S_ISREG(st.st_mode))
        return QString();
    return TRegularFile::DescribeKind(st.st_mode);
}

bool oversized(const QString& fileName) {
    struct stat st {};
    return ::stat(QFile::encodeName(fileName).constData(), &st) == 0 && S_ISREG(st.st_mode) &&
           st.st_size > MaxSettingsBytes;
}
} // namespace

TAppSettings::TAppSettings(const QString& fileName) : notAFile(unusable(fileName)) {
    if (!notAFile.isEmpty()) {
        // Reading a named pipe or a device would wait for ever and writing would replace it: this
        // run keeps its settings in a scratch file of its own, and the odd file stays as it is.
        scratch = std::make_unique<QTemporaryDir>();
        settings = std::make_unique<QSettings>(scratch->filePath(QStringLiteral("settings.conf")),
                                               QSettings::IniFormat);
        return;
    }
    if (oversized(fileName)) {
        // Set aside unread, by name: copying it would take as long as reading it.
        broken = true;
        QFile::remove(fileName + QStringLiteral(".broken"));
        QFile::rename(fileName, fileName + QStringLiteral(".broken"));
    }
    settings = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
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
    return scratch ? QString() : settings->fileName();
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

QString TAppSettings::oneWireServer() const {
    const QVariant value = settings->value(OneWireServerKey);
    const QString address = value.userType() == QMetaType::QString ? value.toString().trimmed() : QString();
    // A hand-edited value with blanks or of any length is no address.
    return address.size() <= 255 && !address.contains(QLatin1Char(' ')) ? address : QString();
}

void TAppSettings::setOneWireServer(const QString& address) {
    setValue(OneWireServerKey, address.trimmed());
}

QString TAppSettings::language() const {
    const QVariant value = settings->value(LanguageKey);
    const QString code = value.userType() == QMetaType::QString ? value.toString().trimmed() : QString();
    // A language code is a few letters, perhaps with a region: anything else is no choice.
    static const QRegularExpression shape(QStringLiteral("^[A-Za-z]{2,3}([_-][A-Za-z]{2})?$"));
    return shape.match(code).hasMatch() ? code : QString();
}

void TAppSettings::setLanguage(const QString& language) {
    setValue(LanguageKey, language.trimmed());
}
