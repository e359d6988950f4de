#include "startup/MessageBoxes.h"

#include "startup/AppIdentity.h"

#include <cstdio>

namespace nudgely {

namespace {

class StandardErrorPresenter final : public MessagePresenter {
public:
    MessageAnswer present(MessageIcon, MessageButtons buttons, const QString &text) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(AppTitle), qPrintable(text));
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        std::fprintf(stderr, "%s: no one to ask; taking the answer No\n", qPrintable(AppTitle));
        return MessageAnswer::No;
    }
};

StandardErrorPresenter standardErrorPresenter;
MessagePresenter *installed = nullptr;

} // namespace

void InstallMessagePresenter(MessagePresenter *presenter)
{
    installed = presenter;
}

MessageAnswer ShowMessageBox(MessageIcon icon, MessageButtons buttons, const QString &text)
{
    MessagePresenter *presenter = installed ? installed : &standardErrorPresenter;
    return presenter->present(icon, buttons, text);
}

} // namespace nudgely
