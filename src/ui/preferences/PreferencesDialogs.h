#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QWidget;

namespace nudgely {

// The file, colour and font dialogs of the preferences and the window, behind one interface so that tests
// answer them without a person. Cancelled dialogs give "" or nothing.
class PreferencesDialogs {
public:
    virtual ~PreferencesDialogs() = default;
    virtual QString openDataFile(QWidget *parent) = 0;
    // Names a data file that may not exist yet; never asks about overwriting.
    virtual QString newDataFile(QWidget *parent) = 0;
    // A vCard file to import birthdays from.
    virtual QString openContactsFile(QWidget *parent) = 0;
    virtual QString chooseEditor(QWidget *parent, const QString &current) = 0;
    virtual std::optional<QColor> chooseColour(QWidget *parent, const QColor &initial) = 0;
    virtual std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) = 0;
    // Names the iCalendar file to export to, asking before an existing one is replaced.
    virtual QString calendarFile(QWidget *parent) = 0;
};

// Qt's own dialogs.
class QtPreferencesDialogs final : public PreferencesDialogs {
public:
    QString openDataFile(QWidget *parent) override;
    QString newDataFile(QWidget *parent) override;
    QString openContactsFile(QWidget *parent) override;
    QString chooseEditor(QWidget *parent, const QString &current) override;
    std::optional<QColor> chooseColour(QWidget *parent, const QColor &initial) override;
    std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) override;
    QString calendarFile(QWidget *parent) override;
};

} // namespace nudgely
