#include "controller/TControllerInfoData.h"

void TControllerInfoData::AcceptVersion() {
    programVersion = AcceptedVersionText();
    maxMasterKeys = MaxMasterKeysText();
    maxSlaveKeys = MaxSlaveKeysText();
    keyType = KeyTypeText();
}
