#pragma once

#include <QByteArray>
#include <QProcessEnvironment>

// The environment vtrk runs in under test: this process's, with the language pinned. Without a
// language vtrk speaks English whatever the developer's desktop speaks; with one ("de_DE.UTF-8")
// it is the desktop's LANG and nothing else names a language.
class TVtrkEnvironment {
public:
    static QProcessEnvironment Of(const QByteArray& desktopLanguage = {});
};
