#pragma once

#include <QString>

namespace nudgely {

// Whatever shows the program's messages: message boxes in the window, standard error
// without one, and a recorder in tests.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // A failure or refusal: exclamation icon, OK.
    virtual void warn(const QString &text) = 0;
    // What a command came to: information icon, OK.
    virtual void inform(const QString &text) = 0;
    // A question with Yes, No and Cancel, No the default; true only for Yes.
    virtual bool confirm(const QString &text) = 0;
};

// Writes each message to standard error, and takes the default answer, No.
class StandardErrorPresenter final : public MessagePresenter {
public:
    void warn(const QString &text) override;
    void inform(const QString &text) override;
    bool confirm(const QString &text) override;
};

} // namespace nudgely
