#pragma once

#include "eventlist/ClipboardCopy.h"

namespace nudgely {

// The desktop's clipboard, as plain text.
class QtClipboard final : public ClipboardAccess {
public:
    bool clear(QString &error) override;
    bool setText(const QString &text, QString &error) override;
};

} // namespace nudgely
