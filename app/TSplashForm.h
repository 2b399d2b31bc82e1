#pragma once

#include "app/TVersionInfo.h"

#include <QWidget>

class QLabel;

// The window shown while the program creates its windows.
class TSplashForm : public QWidget {
    Q_OBJECT

public:
    explicit TSplashForm(const TVersionInfo& version = TVersionInfo::ofExecutable(),
                         QWidget* parent = nullptr);

    // The product name, one blank and the four file-version numbers joined by points.
    static QString nameLine(const TVersionInfo& version);

    QLabel* BannerImage;
    QLabel* PictureImage;
    QLabel* LoadingLabel;
    QLabel* NameLabel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TVersionInfo Version;
};
