#include "tests/support/TTestMessageBoxes.h"

TTestMessageBoxes::TTestMessageBoxes() {
    TMessageBoxes::setInstance(this);
}

TTestMessageBoxes::~TTestMessageBoxes() {
    TMessageBoxes::setInstance(nullptr);
}

void TTestMessageBoxes::record(Kind kind, const QString& text, const QString& caption) {
    shown.append({kind, caption.isEmpty() ? defaultCaption(kind) : caption, text});
    if (onShow)
        onShow(shown.last());
}

TMessageBoxes::Answer TTestMessageBoxes::nextAnswer(Answer fallback) {
    return answers.isEmpty() ? fallback : answers.takeFirst();
}

void TTestMessageBoxes::error(const QString& text, const QString& caption) {
    record(Kind::Error, text, caption);
}

void TTestMessageBoxes::warning(const QString& text, const QString& caption) {
    record(Kind::Warning, text, caption);
}

void TTestMessageBoxes::information(const QString& text, const QString& caption) {
    record(Kind::Information, text, caption);
}

void TTestMessageBoxes::plain(const QString& text, const QString& caption) {
    record(Kind::Plain, text, caption);
}

bool TTestMessageBoxes::confirmOkCancel(const QString& text, const QString& caption) {
    record(Kind::Confirmation, text, caption);
    return nextAnswer(Answer::Ok) == Answer::Ok;
}

TMessageBoxes::Answer TTestMessageBoxes::confirmYesNoCancel(const QString& text, const QString& caption) {
    record(Kind::Confirmation, text, caption);
    return nextAnswer(Answer::Yes);
}

bool TTestMessageBoxes::confirmYesNo(const QString& text, const QString& caption) {
    record(Kind::Confirmation, text, caption);
    return nextAnswer(Answer::No) == Answer::Yes;
}

int TTestMessageBoxes::count(Kind kind) const {
    int n = 0;
    for (const Shown& box : shown)
        n += box.kind == kind ? 1 : 0;
    return n;
}

int TTestMessageBoxes::count(const QString& text) const {
    int n = 0;
    for (const Shown& box : shown)
        n += box.text == text ? 1 : 0;
    return n;
}

QStringList TTestMessageBoxes::texts() const {
    QStringList all;
    for (const Shown& box : shown)
        all.append(box.text);
    return all;
}
