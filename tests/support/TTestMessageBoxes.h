#pragma once

#include "seams/TMessageBoxes.h"

#include <QList>
#include <QString>

#include <functional>

// Records every box instead of showing it and answers confirmations from a script.
// Installs itself for its lifetime.
class TTestMessageBoxes : public TMessageBoxes {
public:
    struct Shown {
        Kind kind;
        QString caption; // as the real box would show it (default captions filled in)
        QString text;
    };

    TTestMessageBoxes();
    ~TTestMessageBoxes() override;

    void error(const QString& text, const QString& caption = QString()) override;
    void warning(const QString& text, const QString& caption = QString()) override;
    void information(const QString& text, const QString& caption = QString()) override;
    void plain(const QString& text, const QString& caption) override;
    bool confirmOkCancel(const QString& text, const QString& caption = QString()) override;
    Answer confirmYesNoCancel(const QString& text, const QString& caption = QString()) override;
    bool confirmYesNo(const QString& text, const QString& caption = QString()) override;

    // Answers for the coming confirmations, in order; with none queued, OK / Yes is given
    // (No for confirmYesNo, whose default is No).
    void queueAnswer(Answer answer) { answers.append(answer); }

    QList<Shown> shown;
    // Runs as each box is shown (what else is on the screen then).
    std::function<void(const Shown&)> onShow;
    QList<Answer> answers;

    int count(Kind kind) const;
    int count(const QString& text) const;
    QStringList texts() const;
    void clear() { shown.clear(); }

private:
    void record(Kind kind, const QString& text, const QString& caption);
    Answer nextAnswer(Answer fallback);
};
