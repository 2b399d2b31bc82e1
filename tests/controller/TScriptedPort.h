#pragma once

#include "serial/TSerDataPort.h"

#include <QByteArray>
#include <QList>

#include <deque>
#include <functional>

// A port whose line is a script: each request written (more than one byte) takes the next
// scripted answer into the input, or asks the responder when the script is empty.
class TControllerSim;

class TScriptedPort : public TSerDataPort {
public:
    bool isOpen() const override { return open; }
    void DiscardInput() override;
    void WriteBlock(const void* block, unsigned short count) override;
    void ReadBlock(void* block, unsigned short count) override;

    void answer(const QByteArray& bytes) { script.push_back(bytes); }
    // Lets the simulator answer every request; a late answer arrives after the read and is lost.
    void playController(TControllerSim& sim);
    // Every request written, in order, without the single "Z" bytes sent back.
    QList<QByteArray> requests() const;

    bool open = true;
    bool failWrites = false;
    int discards = 0;
    QList<QByteArray> writes;
    QByteArray input;
    std::deque<QByteArray> script;
    std::function<QByteArray(const QByteArray& request)> responder;
};
