#include "onewire/TOwServerBus.h"

#include <QRegularExpression>

#include <owcapi.h>

#include <atomic>
#include <cstdlib>
#include <stdexcept>

const QString TOwServerBus::DefaultAddress = QStringLiteral("localhost:4304");

namespace {
std::atomic<bool> connected{false};

std::runtime_error failure(const QString& text) {
    return std::runtime_error(text.toStdString());
}
} // namespace

QString TOwServerBus::NotAnswering(const QString& address) {
    return QStringLiteral("No 1-Wire server (owserver) answers at %1.\r"
                          "Install it with \"sudo apt-get install owserver\" and start it for your reader, "
                          "for example \"sudo owserver -u -p 4304\" for a USB adapter or "
                          "\"sudo owserver -d /dev/ttyUSB0 -p 4304\" for a serial one, or set its address "
                          "under Settings.")
        .arg(address);
}

TOwServerBus::TOwServerBus(const QString& address) : address(address.trimmed()) {
    if (this->address.isEmpty() || this->address.startsWith(QLatin1Char('-')))
        throw failure(QStringLiteral("\"%1\" is not a server address (host:port)").arg(address));
    if (connected.exchange(true))
        throw failure(QStringLiteral("Another connection to a 1-Wire server is open"));
    // "-s" makes the library a client of the server instead of driving an adapter itself.
    const QByteArray arguments = "-s " + this->address.toLocal8Bit();
    if (OW_init(arguments.constData()) < 0) {
        connected = false;
        throw failure(NotAnswering(this->address));
    }
}

TOwServerBus::~TOwServerBus() {
    OW_finish();
    connected = false;
}

QStringList TOwServerBus::TouchKeys() {
    char* buffer = nullptr;
    size_t length = 0;
    // "/uncached/" makes the server search the bus now instead of answering from its cache.
    const ssize_t result = OW_get("/uncached/", &buffer, &length);
    const QByteArray listing = result >= 0 && buffer ? QByteArray(buffer, qsizetype(length)) : QByteArray();
    std::free(buffer);
    if (result < 0)
        throw failure(QStringLiteral("The 1-Wire server at %1 stopped answering").arg(address));
    return KeysInListing(listing);
}

QStringList TOwServerBus::KeysInListing(const QByteArray& listing) {
    static const QRegularExpression touchKey(QStringLiteral("^01\\.([0-9A-F]{12})/?$"));
    QStringList keys;
    for (const QByteArray& entry : listing.split(',')) {
        const auto match = touchKey.match(QString::fromLatin1(entry.trimmed()));
        if (match.hasMatch())
            keys << match.captured(1);
    }
    return keys;
}
