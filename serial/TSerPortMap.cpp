#include "serial/TSerPortMap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace {

QString devRoot = QStringLiteral("/dev");
QString sysRoot = QStringLiteral("/sys");

QString ReadSysText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll()).trimmed();
}

// The serial8250 driver creates a fixed number of ttyS nodes whether or not a UART is behind
// them; sysfs tells the real ones by a type other than 0 (PORT_UNKNOWN).
bool IsRealUart(const QString& name) {
    const QString type = ReadSysText(sysRoot + "/class/tty/" + name + "/type");
    return !type.isEmpty() && type != QLatin1String("0");
}

QStringList NodesOf(const QString& prefix) {
    const QRegularExpression pattern("^" + prefix + "(\\d+)$");
    QList<QPair<int, QString>> found;
    const QStringList names = QDir(devRoot).entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (match.hasMatch())
            found.append({match.captured(1).toInt(), name});
    }
    std::sort(found.begin(), found.end());
    QStringList result;
    for (const auto& node : found)
        result.append(node.second);
    return result;
}

QStringList DefaultOrder() {
    QStringList nodes;
    for (const QString& name : NodesOf("ttyS"))
        if (IsRealUart(name))
            nodes.append(name);
    nodes += NodesOf("ttyUSB");
    nodes += NodesOf("ttyACM");
    return nodes;
}

QString ByIdName(const QString& path) {
    const QString target = QFileInfo(path).canonicalFilePath();
    const QDir byId(devRoot + "/serial/by-id");
    for (const QFileInfo& link : byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
        if (!target.isEmpty() && link.canonicalFilePath() == target)
            return link.absoluteFilePath();
    return QString();
}

// USB adapters name their maker and product a few levels above the tty in sysfs.
QString Description(const QString& path) {
    QString dir =
        QFileInfo(sysRoot + "/class/tty/" + QFileInfo(path).fileName() + "/device").canonicalFilePath();
    for (int level = 0; level < 4 && !dir.isEmpty(); ++level) {
        const QString product = ReadSysText(dir + "/product");
        if (!product.isEmpty()) {
            const QString maker = ReadSysText(dir + "/manufacturer");
            return maker.isEmpty() ? product : maker + ' ' + product;
        }
        dir = QFileInfo(dir).path();
    }
    return QString();
}

} // namespace

QString TSerPortMap::DevicePath(int number) {
    if (number < 1 || number > MaxPort)
        return QString();
    const QByteArray overridden = qgetenv(("VTRK_COM" + QByteArray::number(number)).constData());
    if (!overridden.isEmpty())
        return QString::fromLocal8Bit(overridden);
    const QStringList nodes = DefaultOrder();
    return number <= nodes.size() ? devRoot + '/' + nodes.at(number - 1) : QString();
}

bool TSerPortMap::ProbePort(int number) {
    const QString path = DevicePath(number);
    return !path.isEmpty() && QFileInfo::exists(path);
}

TSerPortEntry TSerPortMap::Describe(int number) {
    TSerPortEntry entry;
    entry.number = number;
    entry.path = DevicePath(number);
    if (entry.path.isEmpty())
        return entry;
    entry.byIdPath = ByIdName(entry.path);
    entry.description = Description(entry.path);
    entry.accessible =
        ::access(QFile::encodeName(entry.path).constData(), R_OK | W_OK) == 0 || errno != EACCES;
    return entry;
}

void TSerPortMap::SetRoots(const QString& newDevRoot, const QString& newSysRoot) {
    devRoot = newDevRoot.isEmpty() ? QStringLiteral("/dev") : newDevRoot;
    sysRoot = newSysRoot.isEmpty() ? QStringLiteral("/sys") : newSysRoot;
}
