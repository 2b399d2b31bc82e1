#include "tests/support/TTestFileDialogs.h"

TTestFileDialogs::TTestFileDialogs() {
    TFileDialogs::setInstance(this);
}

TTestFileDialogs::~TTestFileDialogs() {
    TFileDialogs::setInstance(nullptr);
}

QString TTestFileDialogs::getOpenFileName(const QString& title, const QString& filter,
                                          const QString& directory) {
    asked.append({false, title, filter, directory});
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

QString TTestFileDialogs::getSaveFileName(const QString& title, const QString& filter,
                                          const QString& directory, const QString&) {
    asked.append({true, title, filter, directory});
    return answers.isEmpty() ? QString() : answers.takeFirst();
}
