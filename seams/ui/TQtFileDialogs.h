#pragma once

#include "seams/TFileDialogs.h"

class TQtFileDialogs : public TFileDialogs {
public:
    QString getOpenFileName(const QString& title, const QString& filter, const QString& directory) override;
    QString getSaveFileName(const QString& title, const QString& filter, const QString& directory,
                            const QString& defaultSuffix) override;
};
