#include "onewire/TOneWireSettings.h"

#include "onewire/TOwServerBus.h"

#include <QSettings>

#include <memory>

namespace {
const QString Key = QStringLiteral("onewire/server");

// ~/.config/VELM/VELM Tarvikon.conf ($XDG_CONFIG_HOME where set).
std::unique_ptr<QSettings> settings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VELM"),
                                       QStringLiteral("VELM Tarvikon"));
}
} // namespace

QString TOneWireSettings::ServerAddress() {
    const QString address = settings()->value(Key).toString().trimmed();
    return address.isEmpty() ? TOwServerBus::DefaultAddress : address;
}

void TOneWireSettings::SetServerAddress(const QString& address) {
    const auto stored = settings();
    stored->setValue(Key, address.trimmed());
    stored->sync();
}
