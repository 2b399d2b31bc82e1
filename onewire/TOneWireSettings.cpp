#include "onewire/TOneWireSettings.h"

#include "onewire/TOwServerBus.h"
#include "settings/TAppSettings.h"

QString TOneWireSettings::ServerAddress() {
    const QString address = TAppSettings(TAppSettings::userFileName()).oneWireServer();
    return address.isEmpty() ? TOwServerBus::DefaultAddress : address;
}

void TOneWireSettings::SetServerAddress(const QString& address) {
    TAppSettings(TAppSettings::userFileName()).setOneWireServer(address);
}
