#include "seams/TInstalledMessageBoxes.h"

void TInstalledMessageBoxes::error(const QString& text, const QString& caption) {
    instance().error(text, caption);
}

void TInstalledMessageBoxes::warning(const QString& text, const QString& caption) {
    instance().warning(text, caption);
}

void TInstalledMessageBoxes::information(const QString& text, const QString& caption) {
    instance().information(text, caption);
}

void TInstalledMessageBoxes::plain(const QString& text, const QString& caption) {
    instance().plain(text, caption);
}

bool TInstalledMessageBoxes::confirmOkCancel(const QString& text, const QString& caption) {
    return instance().confirmOkCancel(text, caption);
}

TMessageBoxes::Answer TInstalledMessageBoxes::confirmYesNoCancel(const QString& text,
                                                                 const QString& caption) {
    return instance().confirmYesNoCancel(text, caption);
}

bool TInstalledMessageBoxes::confirmYesNo(const QString& text, const QString& caption) {
    return instance().confirmYesNo(text, caption);
}

TMessageBoxes& TInstalledMessageBoxes::Shared() {
    static TInstalledMessageBoxes shared;
    return shared;
}
