#pragma once

#include "startup/MessageBoxes.h"

namespace nudgely {

// Shows the program's messages as modal message boxes titled with the application title.
class MessageBoxPresenter final : public MessagePresenter {
public:
    MessageAnswer present(MessageIcon icon, MessageButtons buttons, const QString &text) override;
};

} // namespace nudgely
