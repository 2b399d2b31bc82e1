#include "seams/TFileDialogs.h"

#include "seams/TSeam.h"

namespace {
// Without a window system nobody can choose a file: every dialog counts as cancelled.
class TNoFileDialogs : public TFileDialogs {
public:
    QString getOpenFileName(const QString&, const QString&, const QString&) override { return QString(); }
    QString getSaveFileName(const QString&, const QString&, const QString&, const QString&) override {
        return QString();
    }
};
} // namespace

TFileDialogs::~TFileDialogs() = default;

TFileDialogs& TFileDialogs::instance() {
    static TNoFileDialogs none;
    return TSeam<TFileDialogs>::Get(none);
}

void TFileDialogs::setInstance(TFileDialogs* dialogs) {
    TSeam<TFileDialogs>::Install(dialogs);
}

void TFileDialogs::setStandard(TFileDialogs* dialogs) {
    TSeam<TFileDialogs>::SetStandard(dialogs);
}
