#pragma once

#include "seams/TPortChooser.h"

#include <QList>

// Answers the port chooser from a script and counts how often it was shown.
// Installs itself for its lifetime.
class TTestPortChooser : public TPortChooser {
public:
    // A number chooses it with OK; Cancel closes without OK; EmptyOk is OK on an empty list.
    enum : int { Cancel = 0, EmptyOk = -1 };

    TTestPortChooser();
    ~TTestPortChooser() override;

    int ChoosePort() override;
    // With none queued the chooser is cancelled.
    void queueAnswer(int answer) { answers.append(answer); }

    QList<int> answers;
    int shown = 0;
};
