#pragma once

#include "seams/ui/TScreenScale.h"

#include <QWidget>

class QLabel;
class QProgressBar;

// The window long transfers show while they run. Not modal: the transfer lets pending events be
// handled between its steps, so the main window stays usable. The caller hides it when done.
class TProgressFrm : public QWidget {
    Q_OBJECT

public:
    explicit TProgressFrm(QWidget* parent = nullptr);

    // Shows the window with the bar at 0 and text below it.
    void StartProgress(const QString& text);
    // Advances the bar by step; it never passes 100.
    void StepProgress(quint8 step);

    QLabel* WaitLabel;
    QProgressBar* ProgressBar;
    QLabel* ProgressLabel;

private:
    // Names and descriptions for screen readers.
    void NameForAccessibility();
    void FormCreate();
    void centreOnScreen();

    TScreenScale Scale;
};
