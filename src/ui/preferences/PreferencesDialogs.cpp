#include "ui/preferences/PreferencesDialogs.h"

#include "config/Settings.h"
#include "startup/StatusMessages.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>

namespace nudgely {

namespace {

const QString DataFileFilter = QStringLiteral("Text Files (*.txt);;All Files (*)");
const QString EditorFilter = QStringLiteral("Programs (*);;All Files (*)");

class QtPreferencesDialogs final : public PreferencesDialogs {
public:
    QString openDataFile(QWidget *parent) override
    {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Select Data File"), QString(), DataFileFilter);
    }

    QString newDataFile(QWidget *parent) override
    {
        // An existing file is fine too: it is never truncated, only opened.
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Specify New Data File"), QString(),
                                            DataFileFilter, nullptr, QFileDialog::DontConfirmOverwrite);
    }

    QString chooseEditor(QWidget *parent, const QString &current) override
    {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Specify Editor"), current, EditorFilter);
    }

    std::optional<QColor> chooseColour(QWidget *parent, const QColor &initial) override
    {
        const QColor chosen = QColorDialog::getColor(initial, parent);
        return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
    }

    std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial) override
    {
        bool ok = false;
        const QFont chosen =
            QFontDialog::getFont(&ok, initial, parent, QStringLiteral("Specify Font to use for Events"));
        return ok ? std::optional<QFont>(chosen) : std::nullopt;
    }
};

QtPreferencesDialogs qtDialogs;
PreferencesDialogs *installed = nullptr;

} // namespace

void InstallPreferencesDialogs(PreferencesDialogs *dialogs)
{
    installed = dialogs;
}

PreferencesDialogs &CurrentPreferencesDialogs()
{
    return installed ? *installed : qtDialogs;
}

QString BrowseDataFile(QWidget *parent, bool existing)
{
    ShowStatus(QString());
    return existing ? CurrentPreferencesDialogs().openDataFile(parent) : CurrentPreferencesDialogs().newDataFile(parent);
}

QString BrowseEditor(QWidget *parent)
{
    ShowStatus(QString());
    return CurrentPreferencesDialogs().chooseEditor(parent, Settings.Path);
}

} // namespace nudgely
