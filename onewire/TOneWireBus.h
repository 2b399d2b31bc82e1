#pragma once

#include <QString>
#include <QStringList>

// A 1-Wire bus as the enrolment sees it: which touch keys (family 0x01) lie on it now.
// Failures raise std::runtime_error with a text for the user.
class TOneWireBus {
public:
    virtual ~TOneWireBus() = default;
    // The codes of the touch keys on the bus, read past any cache: 12 upper-case hexadecimal
    // digits each, the six serial bytes in wire order.
    virtual QStringList TouchKeys() = 0;
    // Why the last search found no real reader to touch keys to (no adapter, only simulated
    // devices); empty when it did.
    virtual QString ReaderProblem() const { return QString(); }
};
