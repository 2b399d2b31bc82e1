#pragma once

#include <QString>

// Finds the licence agreement "License.txt": in the current directory, else beside the
// executable, else in the installation's data directory (TInstallDirs).
class TLicenseFile {
public:
    static QString fileName() { return QStringLiteral("License.txt"); }
    static QString dataDirectory();

    // The path found, or an empty text when the file is in none of the places.
    static QString locate(const QString& executableDir, const QString& dataDir);
    // The error text when it is nowhere; it names the place beside the executable.
    static QString notFoundText(const QString& executableDir);
    // The file's lines joined by line breaks. Throws std::runtime_error when it cannot be read.
    static QString read(const QString& path);
};
