#pragma once

#include "serial/TSerDataPort.h"

#include <QByteArray>
#include <QList>

#include <deque>
#include <functional>

// A port whose line is a script: each request written (more than one byte) takes the next
// scripted answer into the input, or asks the responder when the script is empty.
// Time passes only through Sleep() (set clocked and install ClockedSleep as the pause): answers with a delay,
// and timed answers, arrive when the clock reaches them.
class TControllerSim;

class TScriptedPort : public TSerDataPort {
public:
    // A piece of an answer and when it arrives, in ms after its request was written.
    struct Piece {
        int atMs;
        QByteArray bytes;
    };

    bool isOpen() const override { return open; }
    void DiscardInput() override;
    void WriteBlock(const void* block, unsigned short count) override;
    void ReadBlock(void* block, unsigned short count) override;
    bool HungUp() const override { return hungUp; }
    int PortNumber() const override { return 7; }

    void answer(const QByteArray& bytes) { script.push_back(bytes); }
    // The next request's answer arrives in timed pieces (an empty list: no answer at all).
    void answerTimed(const QList<Piece>& pieces) { timedScript.push_back(pieces); }
    // Lets the simulator answer every request, a delayed answer when the clock reaches it.
    void playController(TControllerSim& sim);
    // Every request written, in order, without the single "Z" bytes sent back.
    QList<QByteArray> requests() const;
    // The device goes away: the port is closed as after a hang-up.
    void hangUp();

    void Sleep(int ms);
    // The pause for TSleep::setHandler: advances the clock of the port named here.
    static void ClockedSleep(int ms);
    static TScriptedPort* clocked;

    bool open = true;
    bool hungUp = false;
    bool failWrites = false;
    int discards = 0;
    int clockMs = 0;
    QList<QByteArray> writes;
    QByteArray input;
    std::deque<QByteArray> script;
    std::deque<QList<Piece>> timedScript;
    std::function<QByteArray(const QByteArray& request)> responder;
    // Asked when there is no responder: an answer and its delay (playController sets it).
    std::function<Piece(const QByteArray& request)> timedResponder;
    // Called with each request after it was written.
    std::function<void(int requestNumber)> onRequest;

private:
    void Deliver();
    QList<Piece> inFlight; // times on the port's clock
    int lastAnswerAtMs = 0;
};
