#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;
class QTemporaryDir;

// What the program remembers between runs: the last controller port chosen, the folder of the
// last key-list file opened or saved, and the recent key lists. Every value read is checked, so a
// damaged or hand-edited file gives defaults instead of nonsense; a file that cannot be read as
// settings at all is set aside (copied to "<file>.broken") and started afresh.
class TAppSettings {
public:
    static constexpr int RecentCount = 5;

    // The settings file of the user: velm-tarvikon/velm-tarvikon.conf in the user's config directory.
    static QString userFileName();

    explicit TAppSettings(const QString& fileName);
    ~TAppSettings();
    TAppSettings(const TAppSettings&) = delete;
    TAppSettings& operator=(const TAppSettings&) = delete;

    // Empty when the settings are not kept in a file (see notAFileReason).
    QString fileName() const;
    // Why the settings file is not used this run ("is a named pipe, not a file"), or empty.
    QString notAFileReason() const { return notAFile; }
    // True when the file was there but could not be read as settings (it was set aside).
    bool wasBroken() const { return broken; }

    // 1..50, or 0 when none is remembered.
    int comNumber() const;
    void setComNumber(int number);

    // An existing folder, or empty.
    QString lastFolder() const;
    void setLastFolder(const QString& folder);

    // Absolute paths, newest first, at most RecentCount, no repeats.
    QStringList recentKeyLists() const;
    void removeRecentKeyList(const QString& path);
    // A key-list file was opened or saved: it heads the recent lists and its folder is the last one.
    void noteKeyListUsed(const QString& path);

    // The 1-Wire server the enrolment reads keys from ("host:port"), or empty when none is set.
    QString oneWireServer() const;
    void setOneWireServer(const QString& address);
    // The language the user chose ("de", "en"), or empty for the desktop's.
    QString language() const;
    void setLanguage(const QString& language);

private:
    void setValue(const QString& key, const QVariant& value);
    void setRecentKeyLists(const QStringList& paths);

    QString notAFile;
    std::unique_ptr<QTemporaryDir> scratch;
    std::unique_ptr<QSettings> settings;
    bool broken = false;
};
