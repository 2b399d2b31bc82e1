#pragma once

#include "sync/TSyncViewer.h"

#include <QJsonObject>
#include <QString>

class TKeyComparison;

// The Differences window of vtrk: the differing slots on the standard output (text or JSON); for
// a synchronise the plan, then the question whether to write it.
class TCliDifferences : public TSyncViewer {
public:
    explicit TCliDifferences(bool json) : json(json) {}

    bool ShowComparison(const TKeyComparison& comparison, Purpose purpose) override;

    bool Shown() const { return shown; }
    static QString Text(const TKeyComparison& comparison);
    static QJsonObject Json(const TKeyComparison& comparison);

private:
    bool json;
    bool shown = false;
};
