#include "ui/main/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace nudgely {

namespace {

QClipboard *Clipboard(QString &error)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        error = QStringLiteral("the desktop offers no clipboard");
    return clipboard;
}

} // namespace

bool QtClipboard::clear(QString &error)
{
    QClipboard *clipboard = Clipboard(error);
    if (clipboard)
        clipboard->clear();
    return clipboard != nullptr;
}

bool QtClipboard::setText(const QString &text, QString &error)
{
    QClipboard *clipboard = Clipboard(error);
    if (clipboard)
        clipboard->setText(text);
    return clipboard != nullptr;
}

} // namespace nudgely
