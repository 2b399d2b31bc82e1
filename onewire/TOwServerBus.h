#pragma once

#include "onewire/TOneWireBus.h"

#include <QString>

// The 1-Wire bus behind an owserver (the standard Linux 1-Wire service, which drives USB and
// serial adapters), reached through its C client library. The library keeps one connection per
// process, so only one of these may exist at a time; a second one raises.
class TOwServerBus : public TOneWireBus {
public:
    static const QString DefaultAddress; // "localhost:4304"

    // Connects to the server at "host:port"; raises when it does not answer.
    explicit TOwServerBus(const QString& address);
    ~TOwServerBus() override;
    TOwServerBus(const TOwServerBus&) = delete;
    TOwServerBus& operator=(const TOwServerBus&) = delete;

    QStringList TouchKeys() override;
    // Touch-key codes among the entries of an owserver directory listing ("01.2BC5FB000000/,...").
    static QStringList KeysInListing(const QByteArray& listing);
    // What to tell a user whose server does not answer: how to install and start one.
    static QString NotAnswering(const QString& address);

private:
    QString address;
};
