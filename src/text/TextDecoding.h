#pragma once

#include <QByteArrayView>
#include <QString>

namespace nudgely {

// Files brought from Windows are Windows-1252; files written here are UTF-8. Bytes that
// are valid UTF-8 are read as UTF-8, anything else as Windows-1252.
QString decodeText(QByteArrayView bytes);
// The same into a buffer with room for bytes.size() characters, which is always enough;
// gives the end of the text written.
QChar *decodeTextTo(QByteArrayView bytes, QChar *out);

} // namespace nudgely
