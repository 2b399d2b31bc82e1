#include "tests/support/TTestPortChooser.h"

#include "serial/EConvertError.h"

TTestPortChooser::TTestPortChooser() {
    TPortChooser::setInstance(this);
}

TTestPortChooser::~TTestPortChooser() {
    TPortChooser::setInstance(nullptr);
}

int TTestPortChooser::ChoosePort() {
    ++shown;
    const int answer = answers.isEmpty() ? Cancel : answers.takeFirst();
    if (answer == EmptyOk)
        throw EConvertError("'' is not a valid integer value");
    return answer;
}
