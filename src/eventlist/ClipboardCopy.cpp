#include "eventlist/ClipboardCopy.h"

#include "eventlist/EventListBuilder.h"
#include "eventlist/EventsGrid.h"
#include "startup/StatusMessages.h"

#include <cstdlib>

namespace nudgely {

namespace {

ClipboardAccess *installedClipboard = nullptr;

void Refuse(const QString &what, const QString &error)
{
    ShowStatus(what + QStringLiteral(":  ") + error);
    Beep();
}

} // namespace

void InstallClipboard(ClipboardAccess *clipboard)
{
    installedClipboard = clipboard;
}

void SelectAllEvents()
{
    grdDates.requestFocus();
    grdDates.setCurrentRow(grdDates.rowCount() - 1);
    grdDates.setCurrentColumn(DescriptionColumn);
    grdDates.setSelectionEnd(0, DateColumn);
    ShowStatus(PluraliseCount(grdDates.row(), QStringLiteral("row")) + QStringLiteral(" selected"));
}

void CopyEventsToClipboard()
{
    grdDates.requestFocus();
    ShowStatus(QStringLiteral("copying data to clipboard..."));
    QString error = QStringLiteral("no clipboard is available");
    if (!installedClipboard || !installedClipboard->clear(error)) {
        Refuse(QStringLiteral("error while clearing Clipboard"), error);
        return;
    }
    // The grid separates rows by a lone CR; the clipboard wants CR LF.
    QString text = grdDates.clipText();
    text.replace(QLatin1Char('\r'), QLatin1String("\r\n"));
    if (!installedClipboard->setText(text, error)) {
        Refuse(QStringLiteral("error while copying to clipboard"), error);
        return;
    }
    int rows = std::abs(grdDates.row() - grdDates.rowSel()) + 1;
    if (grdDates.row() == 0 || grdDates.rowSel() == 0)
        --rows; // the header is copied, not counted
    ShowStatus(PluraliseCount(rows, QStringLiteral("row")) + QStringLiteral(" successfully copied to clipboard"));
}

} // namespace nudgely
