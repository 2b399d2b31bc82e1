#include "seams/TFileDialogs.h"

namespace {
// Without a window system nobody can choose a file: every dialog counts as cancelled.
class TNoFileDialogs : public TFileDialogs {
public:
    QString getOpenFileName(const QString&, const QString&, const QString&) override { return QString(); }
    QString getSaveFileName(const QString&, const QString&, const QString&, const QString&) override {
        return QString();
    }
};

TFileDialogs* installed = nullptr;
TFileDialogs* standard = nullptr;
} // namespace

TFileDialogs::~TFileDialogs() = default;

TFileDialogs& TFileDialogs::instance() {
    static TNoFileDialogs none;
    if (installed)
        return *installed;
    return standard ? *standard : none;
}

void TFileDialogs::setInstance(TFileDialogs* dialogs) {
    installed = dialogs;
}

void TFileDialogs::setStandard(TFileDialogs* dialogs) {
    standard = dialogs;
}
