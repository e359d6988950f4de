#include "ui/common/MessageBoxPresenter.h"

#include <QApplication>
#include <QMessageBox>

namespace nudgely {

void MessageBoxPresenter::warn(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Nudgely"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void MessageBoxPresenter::inform(const QString &text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Nudgely"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool MessageBoxPresenter::confirm(const QString &text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Nudgely"), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Yes;
}

} // namespace nudgely
