#include "tests/cli/TVtrkEnvironment.h"

QProcessEnvironment TVtrkEnvironment::Of(const QByteArray& desktopLanguage) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QLatin1String(name));
    if (desktopLanguage.isEmpty())
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    else
        environment.insert(QStringLiteral("LANG"), QString::fromLatin1(desktopLanguage));
    return environment;
}
