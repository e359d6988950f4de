#pragma once

#include <QString>

namespace nudgely {

// The system clipboard, as the copy needs it; the window supplies the real one.
class ClipboardAccess {
public:
    virtual ~ClipboardAccess() = default;
    // On failure, error holds the system's description.
    virtual bool clear(QString &error) = 0;
    virtual bool setText(const QString &text, QString &error) = 0;
};

void InstallClipboard(ClipboardAccess *clipboard);

// Selects every row of the events grid, header included, in columns 1 to 5.
void SelectAllEvents();

// Puts the selected cells on the clipboard: tabs between cells, CR LF between rows.
void CopyEventsToClipboard();

} // namespace nudgely
