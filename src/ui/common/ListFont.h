#pragma once

#include <QFont>
#include <QString>

namespace nudgely {

// The events font from its stored face, size and style. The stored default face is a
// Windows one that no Linux desktop has: it stands for the desktop's own font, at the
// desktop's size while the size is the default too. A face the user chose is used as chosen.
QFont listFont(const QString &face, double points, bool bold, bool italic);

// A font as shown: the face drawn (which may differ from the one asked for), style and size.
QString fontDescription(const QFont &font);

} // namespace nudgely
