// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

namespace qv {

// Refuses any edit that would make a line edit's text longer than `limit`
// characters. Unlike QLineEdit's maxLength, which keeps the first part of a
// paste that does not fit, the whole edit is undone, so an expression is
// never cut into another one. The line edit then emits inputRejected.
// Its maxLength must stay above the limit, or it cuts the text first.
class LengthLimit : public QValidator {
public:
    LengthLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}

    State validate(QString& text, int& pos) const override;

private:
    int limit_;
};

}  // namespace qv
