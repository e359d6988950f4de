#pragma once

#include <QString>

namespace nudgely {

class Session;

// File > Export to Calendar: every event of the session's data files as an iCalendar file at
// path, replaced whole when it exists (the save dialog has asked). A data file or the
// configuration file is never written: the user is told instead. Says how it ended on the
// status bar, or warns with the file and the reason. True when the file was written.
bool exportCalendar(Session &session, const QString &path);

} // namespace nudgely
