#pragma once

#include <QValidator>

// The typing filter of the note and information fields: a character the single-byte code page
// cannot hold is refused as it is typed or pasted.
class TWin1252Validator : public QValidator {
    Q_OBJECT
public:
    explicit TWin1252Validator(QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;
};
