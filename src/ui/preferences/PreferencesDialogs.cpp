#include "ui/preferences/PreferencesDialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>

namespace nudgely {

namespace {

QString dataFileFilter()
{
    return QStringLiteral("Text Files (*.txt);;All Files (*)");
}

} // namespace

QString QtPreferencesDialogs::openDataFile(QWidget *parent)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Select Data File"), QString(), dataFileFilter());
}

QString QtPreferencesDialogs::newDataFile(QWidget *parent)
{
    // An existing file is fine too: it is never truncated, only opened.
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Specify New Data File"), QString(), dataFileFilter(),
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

QString QtPreferencesDialogs::openContactsFile(QWidget *parent)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Import Contacts"), QString(),
                                        QStringLiteral("Contacts (*.vcf *.vcard);;All Files (*)"));
}

QString QtPreferencesDialogs::chooseEditor(QWidget *parent, const QString &current)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Specify Editor"), current,
                                        QStringLiteral("Programs (*);;All Files (*)"));
}

std::optional<QColor> QtPreferencesDialogs::chooseColour(QWidget *parent, const QColor &initial)
{
    const QColor chosen = QColorDialog::getColor(initial, parent);
    return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
}

std::optional<QFont> QtPreferencesDialogs::chooseFont(QWidget *parent, const QFont &initial)
{
    QFontDialog dialog(initial, parent);
    dialog.setWindowTitle(QStringLiteral("Specify Font to use for Events"));
    // A face the desktop lacks opens as the nearest one listed; OK on that is no new choice.
    const QFont shown = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    return chosen == shown ? initial : chosen;
}

QString QtPreferencesDialogs::calendarFile(QWidget *parent)
{
    QFileDialog dialog(parent, QStringLiteral("Export to Calendar"), QString(),
                       QStringLiteral("iCalendar Files (*.ics);;All Files (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("ics"));
    dialog.selectFile(QStringLiteral("Nudgely.ics"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace nudgely
