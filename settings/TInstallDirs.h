#pragma once

#include <QString>
#include <QStringList>

// Where the program finds the files it brings along (report templates, the licence agreement):
// beside the executable first, so that a build tree runs as it is, then in the installation's data
// directory. That directory is taken relative to the executable (<prefix>/share/velm-tarvikon
// beside <prefix>/bin), so an installation moved elsewhere still finds it, and then as fixed when
// the program was built.
class TInstallDirs {
public:
    // The data directory fixed at build time (<prefix>/share/velm-tarvikon).
    static QString dataDirectory();
    // The data directories to try for an executable in executableDir, in order, without repeats.
    static QStringList dataDirectories(const QString& executableDir);
    // The first of executableDir and the data directories that holds the file name; when none
    // does, the place beside the executable, so that a message names where it was expected.
    static QString locate(const QString& executableDir, const QString& name);
};
