#include "report/TrpDBDataSet.h"

#include "report/TrpRowSource.h"

TrpDBDataSet::TrpDBDataSet(const QString& name, QObject* parent) : QObject(parent) {
    setObjectName(name);
}

void TrpDBDataSet::ForEachRow(const std::function<void(const TrpRowSource&)>& visit) const {
    if (!source)
        return;
    const auto walk = [&] {
        for (source->First(); !source->Eof(); source->Next())
            visit(*source);
    };
    if (source->IsActive())
        return walk();
    if (!OpenDataSource)
        return;
    source->Open();
    try {
        walk();
    } catch (...) {
        // The walk's own failure is the one to report.
        try {
            source->Close();
        } catch (...) {
        }
        throw;
    }
    source->Close();
}
