#pragma once

#include "app/TAppForms.h"
#include "tests/support/TTestMessageBoxes.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QWidget;

// Every dialog and window of the program opened on made-up data, the way a person meets them:
// the main window's own dialogs on a new key list, the others made as the main window makes them.
// The bench owns what it opens.
class TDialogBench {
public:
    TDialogBench();
    ~TDialogBench();

    // The names Open takes, one per dialog.
    static QStringList Dialogs();
    // Shows the dialog called name and returns it, laid out and exposed.
    QWidget* Open(const QString& name);

private:
    QWidget* Make(const QString& name);
    QWidget* Own(std::unique_ptr<QWidget> widget);
    QString WriteSite();

    QTemporaryDir temp;
    TTestMessageBoxes boxes;
    TAppForms forms;
    std::vector<std::unique_ptr<QWidget>> owned;
    std::vector<std::shared_ptr<void>> kept;
};
