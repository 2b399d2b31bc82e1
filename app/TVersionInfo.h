#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// The executable's version information: the four file-version numbers of the fixed part and the
// product name of the first listed translation. Built into the program as a resource; a program
// without it reads as version 0.0.0.0 with an empty product name.
class TVersionInfo {
public:
    static constexpr const char* ResourcePath = ":/version/versioninfo.txt";

    // The running program's own information.
    static TVersionInfo ofExecutable();
    // Reads the resource at path; a missing resource gives the empty information.
    static TVersionInfo load(const QString& path);
    static TVersionInfo parse(const QByteArray& content);

    bool present() const { return Present; }
    // Major, minor, release, build.
    const std::array<quint16, 4>& fileVersion() const { return FileVersion; }
    QString fileVersionText() const;
    QString productName() const { return ProductName; }

private:
    bool Present = false;
    std::array<quint16, 4> FileVersion{};
    QString ProductName;
};
