#pragma once

#include "seams/TFileDialogs.h"

#include <QList>
#include <QStringList>

// Answers file dialogs from a script (an empty answer is a cancel) and records the titles asked.
// Installs itself for its lifetime.
class TTestFileDialogs : public TFileDialogs {
public:
    struct Asked {
        bool save;
        QString title;
        QString filter;
        QString directory;
    };

    TTestFileDialogs();
    ~TTestFileDialogs() override;

    QString getOpenFileName(const QString& title, const QString& filter, const QString& directory) override;
    QString getSaveFileName(const QString& title, const QString& filter, const QString& directory,
                            const QString& defaultSuffix) override;

    void queueAnswer(const QString& path) { answers.append(path); }

    QStringList answers;
    QList<Asked> asked;
};
