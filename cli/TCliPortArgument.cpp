#include "cli/TCliPortArgument.h"

#include "cli/TVtrkCommand.h"
#include "serial/ESerException.h"
#include "serial/TSerErrors.h"
#include "serial/TSerPortMap.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>

namespace {
QString canonical(const QString& path) {
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? QFileInfo(path).absoluteFilePath() : resolved;
}

EVtrkExit usage(const QString& text) {
    return EVtrkExit(VtrkExit::Usage, text);
}
} // namespace

void TCliPortArgument::Define(QCommandLineParser& parser) {
    parser.addPositionalArgument(QStringLiteral("port"),
                                 tr("The controller port: COM1 .. COM50, or a device path."),
                                 QStringLiteral("COMn"));
    parser.addOption(
        {QStringLiteral("port"), tr("The controller port as a device path."), QStringLiteral("device")});
}

int TCliPortArgument::NumberForPath(const QString& path) {
    const QString wanted = canonical(path);
    for (int number = 1; number <= TSerPortMap::MaxPort; ++number) {
        const QString device = TSerPortMap::DevicePath(number);
        if (!device.isEmpty() && canonical(device) == wanted)
            return number;
    }
    for (int number = TSerPortMap::MaxPort; number >= 1; --number) {
        const QByteArray variable = "VTRK_COM" + QByteArray::number(number);
        if (TSerPortMap::DevicePath(number).isEmpty() && !qEnvironmentVariableIsSet(variable.constData())) {
            qputenv(variable.constData(), QFile::encodeName(path));
            return number;
        }
    }
    throw usage(tr("no port number is free for %1").arg(path));
}

TCliPortArgument::TChoice TCliPortArgument::Resolve(const QCommandLineParser& parser, int index) {
    const QString device = parser.value(QStringLiteral("port"));
    if (!device.isEmpty()) {
        const int number = NumberForPath(device);
        return {number, device, 0};
    }
    const QString text = parser.positionalArguments().value(index);
    if (text.isEmpty())
        throw usage(tr("the controller port is missing (COMn or --port DEVICE)"));
    if (text.startsWith(QLatin1Char('/'))) {
        const int number = NumberForPath(text);
        return {number, text, 1};
    }
    static const QRegularExpression comName(QStringLiteral("^(?:COM)?(\\d{1,2})$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comName.match(text);
    const int number = match.hasMatch() ? match.captured(1).toInt() : 0;
    if (number < 1 || number > TSerPortMap::MaxPort)
        throw usage(tr("\"%1\" is not a port: give COM1 .. COM%2 or a device path")
                        .arg(text)
                        .arg(TSerPortMap::MaxPort));
    return {number, QStringLiteral("COM%1").arg(number), 1};
}

QString TCliPortArgument::OpenFailureText(const QString& name, const ESerException& failure) {
    const bool path = name.startsWith(QLatin1Char('/'));
    switch (failure.code()) {
    case TSerErrors::ecBadId:
        if (path)
            return QFileInfo::exists(name) ? tr("%1 is not a serial device that can be opened").arg(name)
                                           : tr("%1 does not exist").arg(name);
        return tr("%1 has no serial device on this machine; \"vtrk ports\" lists the ports there are")
            .arg(name);
    case EACCES:
    case EPERM:
        return tr("cannot open %1: permission denied. You may not use this port. Run: sudo usermod "
                  "-aG dialout $USER, then log in again.")
            .arg(name);
    case TSerErrors::ecAlreadyOpen:
        return tr("%1 is in use by another program").arg(name);
    default:
        return tr("cannot open %1: %2").arg(name, QString::fromStdString(failure.what()));
    }
}
