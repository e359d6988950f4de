#pragma once

#include "ui/preferences/PreferencesDialogs.h"

#include <QStringList>

#include <utility>

namespace nudgely::test {

// Answers the file, colour and font dialogs as the person at the screen would have: each answer
// once, then as cancelled.
struct ScriptedDialogs final : PreferencesDialogs {
    QString openDataFile(QWidget *) override { return files.isEmpty() ? QString() : files.takeFirst(); }
    QString newDataFile(QWidget *) override { return openDataFile(nullptr); }
    QString openContactsFile(QWidget *) override { return openDataFile(nullptr); }
    QString chooseEditor(QWidget *, const QString &) override { return openDataFile(nullptr); }
    QString calendarFile(QWidget *) override { return openDataFile(nullptr); }
    std::optional<QColor> chooseColour(QWidget *, const QColor &initial) override
    {
        offered = initial;
        return std::exchange(colour, std::nullopt);
    }
    std::optional<QFont> chooseFont(QWidget *, const QFont &) override { return std::exchange(font, std::nullopt); }

    QStringList files; // answered in turn
    std::optional<QColor> colour;
    QColor offered;
    std::optional<QFont> font;
};

} // namespace nudgely::test
