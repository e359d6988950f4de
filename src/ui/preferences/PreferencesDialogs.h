#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QWidget;

namespace nudgely {

// The file, colour and font dialogs of the preferences, behind one interface so that tests
// answer them without a person. Cancelled dialogs give "" or nothing.
class PreferencesDialogs {
public:
    virtual ~PreferencesDialogs() = default;
    virtual QString openDataFile(QWidget *parent) = 0;
    // Names a data file that may not exist yet; never asks about overwriting.
    virtual QString newDataFile(QWidget *parent) = 0;
    virtual QString chooseEditor(QWidget *parent, const QString &current) = 0;
    virtual std::optional<QColor> chooseColour(QWidget *parent, const QColor &initial) = 0;
    virtual std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) = 0;
};

// nullptr restores the real dialogs.
void InstallPreferencesDialogs(PreferencesDialogs *dialogs);
PreferencesDialogs &CurrentPreferencesDialogs();

// The data file dialog: an existing file, or the name of a new one. "" when cancelled.
QString BrowseDataFile(QWidget *parent, bool existing);
// The editor program dialog, starting at the configured editor. "" when cancelled.
QString BrowseEditor(QWidget *parent);

} // namespace nudgely
