#pragma once

#include "controller/TControllerHost.h"
#include "tests/controller/TFakeKeyView.h"

#include <QList>
#include <QStringList>

#include <functional>

// The main window as the controller commands see it, recording what they do to it.
class TFakeControllerHost : public TControllerHost {
public:
    TFakeControllerHost() : master(QStringLiteral("M"), 8), slave(QStringLiteral("S"), 128) {}

    void OpenControllerPort() override;
    void StepProgress(int step) override;
    void PumpMessages() override;
    TControllerInfoData ControllerInfoData() const override { return data; }
    void SetControllerInfoData(const TControllerInfoData& value) override { data = value; }
    void SetKeyTransferEnabled(bool enabled) override { transferEnabled = enabled; }
    void StartProgress(const QString& text) override;
    void CloseProgress() override { progressShown = false; }
    TKeyView& MasterView() override { return master; }
    TKeyView& SlaveView() override { return slave; }

    TFakeKeyView master;
    TFakeKeyView slave;
    TControllerInfoData data;
    bool transferEnabled = false;
    int opens = 0;
    std::function<void()> onOpen;
    int pumps = 0;
    std::function<void()> onPump; // runs wherever window messages would be handled
    bool progressShown = false;
    int progress = 0;
    QList<int> progressHistory; // the bar's position after each step
    QStringList progressTexts;
};
