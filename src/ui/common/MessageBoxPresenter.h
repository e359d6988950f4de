#pragma once

#include "app/MessagePresenter.h"

namespace nudgely {

// The program's messages as modal message boxes titled "Nudgely".
class MessageBoxPresenter final : public MessagePresenter {
public:
    void warn(const QString &text) override;
    void inform(const QString &text) override;
    bool confirm(const QString &text) override;
};

} // namespace nudgely
