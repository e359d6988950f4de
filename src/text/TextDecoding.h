#pragma once

#include <QByteArrayView>
#include <QString>

namespace nudgely {

// Files brought from Windows are Windows-1252; files written here are UTF-8. Bytes that
// are valid UTF-8 are read as UTF-8, anything else as Windows-1252.
QString decodeText(QByteArrayView bytes);
// The same into a text whose buffer is reused when it is large enough: a reload then needs
// no new memory.
void decodeTextInto(QByteArrayView bytes, QString &text);

} // namespace nudgely
