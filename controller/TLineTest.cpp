#include "controller/TLineTest.h"

#include "controller/TControllerFrame.h"
#include "seams/TSleep.h"
#include "serial/ESerException.h"
#include "serial/TSerDataPort.h"

bool TLineTest::RunCycle(TSerDataPort& port) {
    TFrame frame;
    const int size = BuildLineTestFrame(frame);
    try {
        port.WriteBlock(frame.data(), static_cast<unsigned short>(size));
    } catch (const ESerException&) {
        TSleep::ms(100);
        return false;
    }
    TSleep::ms(100);
    try {
        unsigned char answer = 0;
        port.ReadBlock(&answer, 1);
        return answer == Frame::Ack;
    } catch (const ESerException&) {
        return false;
    }
}

bool TLineTest::LineLost() const {
    return port.HungUp();
}

bool TLineTest::Cycle() {
    try {
        port.DiscardInput();
    } catch (const ESerException&) {
        if (LineLost())
            return false;
        throw;
    }
    const bool ok = RunCycle(port);
    if (LineLost())
        return false;
    ++(ok ? acknowledged : unacknowledged);
    return ok;
}
