#include "ui/main/MessageBoxPresenter.h"

#include "startup/AppIdentity.h"

#include <QMessageBox>

namespace nudgely {

MessageAnswer MessageBoxPresenter::present(MessageIcon icon, MessageButtons buttons, const QString &text)
{
    QMessageBox box(icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::Warning, AppTitle, text);
    if (buttons == MessageButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MessageAnswer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::No;
    }
}

} // namespace nudgely
