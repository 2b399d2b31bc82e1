#include "onewire/TOwServerBus.h"

#include <QRegularExpression>
#include <QSet>

#include <stdexcept>

const QString TOwServerBus::DefaultAddress = QStringLiteral("localhost:4304");

namespace {
// Each bus costs a question when the buses change; no server drives more adapters than this.
constexpr int MaxBuses = 32;

std::runtime_error failureText(const QString& text) {
    return std::runtime_error(text.toStdString());
}

// The last part of an entry's path: "/uncached/bus.0/" names "bus.0".
QString entryName(const QString& entry) {
    QString name = entry;
    while (name.endsWith(QLatin1Char('/')))
        name.chop(1);
    return name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
}

// How Debian's owserver is moved from its simulated devices to a reader.
QString readerSteps() {
    return TOwServerBus::tr(
        "name the reader in /etc/owfs.conf instead of its \"FAKE\" line (\"server: usb = "
        "all\" for a USB adapter, \"server: device = /dev/ttyUSB0\" for a serial one) and "
        "run \"sudo systemctl restart owserver\"");
}

QStringList busesInListing(const QStringList& entries) {
    static const QRegularExpression bus(QStringLiteral("^bus\\.[0-9]{1,4}$"));
    QStringList buses;
    for (const QString& entry : entries) {
        if (!bus.match(entryName(entry)).hasMatch())
            continue;
        if (buses.size() == MaxBuses)
            throw failureText(TOwServerBus::tr("it lists more than %1 buses").arg(MaxBuses));
        buses << entryName(entry);
    }
    return buses;
}
} // namespace

QString TOwServerBus::NotAnswering(const QString& address) {
    return TOwServerBus::tr("No 1-Wire server (owserver) answers at %1.\r"
                            "Install it with \"sudo apt-get install owserver\", %2, or set its address "
                            "under Settings.")
        .arg(address, readerSteps());
}

TOwServerBus::TOwServerBus(const QString& address, const std::atomic<bool>* stop,
                           std::chrono::milliseconds timeout)
    : address(address.trimmed()), client(address, stop, timeout) {}

QStringList TOwServerBus::TouchKeys() {
    try {
        const QStringList keys = search();
        answered = true;
        return keys;
    } catch (const TTcpStream::TError& e) {
        throw failureText(failure(e));
    } catch (const std::runtime_error& e) {
        throw failureText(TOwServerBus::tr("The 1-Wire server at %1 sent an answer that makes no sense: %2.")
                              .arg(address, QString::fromUtf8(e.what())));
    }
}

QStringList TOwServerBus::search() {
    // "/uncached/" makes the server search the bus now instead of answering from its cache.
    const QStringList entries = client.Listing(QStringLiteral("/uncached/"));
    const QStringList buses = busesInListing(entries);
    if (buses.isEmpty())
        problem = TOwServerBus::tr("The 1-Wire server at %1 answers, but no reader (1-Wire adapter) is "
                                   "connected to it: plug the reader in, or start owserver for it.")
                      .arg(address);
    else if (simulated(buses))
        problem = TOwServerBus::tr("The 1-Wire server at %1 serves simulated devices, not a reader, as "
                                   "Debian installs it.\rTo use your reader, %2.")
                      .arg(address, readerSteps());
    else
        problem.clear();
    return KeysInListing(entries);
}

// Asked again only when the buses change, since an adapter can be swapped under a running server.
bool TOwServerBus::simulated(const QStringList& buses) {
    if (buses == knownBuses)
        return knownSimulated;
    static const QRegularExpression simulation(QStringLiteral("^(fake|tester|mock)\\."));
    knownSimulated = true;
    for (const QString& bus : buses) {
        const auto name = client.Read(QStringLiteral("/%1/interface/settings/address").arg(bus));
        knownSimulated = knownSimulated && name && simulation.match(QString::fromLatin1(*name)).hasMatch();
    }
    knownBuses = buses;
    return knownSimulated;
}

QString TOwServerBus::failure(const TTcpStream::TError& error) const {
    switch (error.kind) {
    case TTcpStream::TError::Unreachable:
        return answered
                   ? TOwServerBus::tr("The 1-Wire server at %1 has gone away (%2): no key touched now is "
                                      "seen until it answers again.")
                         .arg(address, QString::fromUtf8(error.what()))
                   : NotAnswering(address);
    case TTcpStream::TError::TimedOut:
        return TOwServerBus::tr("The 1-Wire server at %1 did not answer in time.").arg(address);
    case TTcpStream::TError::Closed:
        return TOwServerBus::tr("The 1-Wire server at %1 broke off its answer (%2).")
            .arg(address, QString::fromUtf8(error.what()));
    case TTcpStream::TError::Stopped:
        break;
    }
    return TOwServerBus::tr("Stopped");
}

QStringList TOwServerBus::KeysInListing(const QStringList& entries) {
    static const QRegularExpression touchKey(QStringLiteral("^01\\.([0-9A-F]{12})$"));
    QStringList keys;
    QSet<QString> seen;
    for (const QString& entry : entries) {
        const auto match = touchKey.match(entryName(entry));
        if (!match.hasMatch() || seen.contains(match.captured(1)))
            continue;
        if (keys.size() == MaxKeys)
            throw failureText(TOwServerBus::tr("it lists more than %1 touch keys at once").arg(MaxKeys));
        seen.insert(match.captured(1));
        keys << match.captured(1);
    }
    return keys;
}
