#pragma once

#include "app/MessagePresenter.h"

#include <QStringList>

namespace nudgely::test {

// Answers the program's messages without a person and keeps what they said.
class RecordingMessages final : public MessagePresenter {
public:
    void warn(const QString &text) override { warnings.append(text); }
    void inform(const QString &text) override { information.append(text); }
    bool confirm(const QString &text) override
    {
        questions.append(text);
        return answer;
    }

    QStringList warnings;
    QStringList information;
    QStringList questions;
    bool answer = false; // Yes when true
};

} // namespace nudgely::test
