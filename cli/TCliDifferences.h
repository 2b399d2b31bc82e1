#pragma once

#include "cli/TCliOtherController.h"
#include "sync/TSyncViewer.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

class TKeyComparison;

// The Differences window of vtrk: the differing slots on the standard output (text or JSON); for
// a synchronise the plan, then the question whether to write it.
class TCliDifferences : public TSyncViewer {
    Q_DECLARE_TR_FUNCTIONS(TCliDifferences)

public:
    TCliDifferences(bool json, TCliOtherController& otherController)
        : json(json), otherController(otherController) {}

    bool ShowComparison(const TKeyComparison& comparison, Purpose purpose) override;
    bool ConfirmOtherController(const QString& question, TMessageBoxes&) override {
        return otherController.Confirm(question);
    }

    bool Shown() const { return shown; }
    static QString Text(const TKeyComparison& comparison);
    static QJsonObject Json(const TKeyComparison& comparison);

private:
    bool json;
    TCliOtherController& otherController;
    bool shown = false;
};
