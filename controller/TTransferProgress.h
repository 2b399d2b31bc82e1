#pragma once

// The progress display of a key transfer.
class TTransferProgress {
public:
    virtual ~TTransferProgress() = default;
    // Advances the bar by step (it stops at 100) and lets pending window messages be handled.
    virtual void StepProgress(int step) = 0;
    virtual void PumpMessages() = 0;
};
