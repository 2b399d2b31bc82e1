#pragma once

// The byte pipe the controller protocol and the line test talk through. None of the three
// operations waits for the line; failures are ESerException family exceptions.
class TSerDataPort {
public:
    virtual ~TSerDataPort() = default;

    virtual bool isOpen() const = 0;
    // Throws away everything received so far.
    virtual void DiscardInput() = 0;
    // Queues count bytes for sending; the block may be reused at once.
    virtual void WriteBlock(const void* block, unsigned short count) = 0;
    // Takes exactly count received bytes, or fails at once when fewer have arrived.
    virtual void ReadBlock(void* block, unsigned short count) = 0;

    // True once the port closed itself because its device hung up (adapter pulled, line gone),
    // until the next opening is tried. A routine that finds it so ends without more messages.
    virtual bool HungUp() const { return false; }
    // The COM number the port has or had open, for messages; 0 when unknown.
    virtual int PortNumber() const { return 0; }
    // Counts the port's openings: what was learnt about the line on one opening does not hold
    // for the device found at the next.
    virtual unsigned Openings() const { return 0; }
};
