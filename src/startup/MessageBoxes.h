#pragma once

#include <QString>

namespace nudgely {

enum class MessageIcon { Exclamation, Question };
enum class MessageButtons { Ok, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// Whatever shows message boxes: the window program installs one; tests answer them.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual MessageAnswer present(MessageIcon icon, MessageButtons buttons, const QString &text) = 0;
};

// nullptr restores the default, which writes the message to standard error and takes the
// default answer: OK, or No for a question.
void InstallMessagePresenter(MessagePresenter *presenter);

MessageAnswer ShowMessageBox(MessageIcon icon, MessageButtons buttons, const QString &text);

} // namespace nudgely
