#include "TrpDBDataSet.h"

#include "TrpRowSource.h"

TrpDBDataSet::TrpDBDataSet(const QString& name, QObject* parent) : QObject(parent) {
    setObjectName(name);
}

void TrpDBDataSet::ForEachRow(const std::function<void(const TrpRowSource&)>& visit) const {
    if (!source)
        return;
    const bool openedHere = !source->IsActive() && OpenDataSource;
    if (openedHere)
        source->Open();
    if (!source->IsActive())
        return;
    struct CloseAfter {
        TrpRowSource* rows;
        bool close;
        ~CloseAfter() {
            if (close)
                rows->Close();
        }
    } closeAfter{source, openedHere};
    for (source->First(); !source->Eof(); source->Next())
        visit(*source);
}
