#include "ui/common/ListFont.h"

#include "config/Settings.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace nudgely {

QFont listFont(const QString &face, double points, bool bold, bool italic)
{
    const Settings defaults;
    QFont font(face);
    if (face.compare(defaults.fontName, Qt::CaseInsensitive) == 0) {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        if (points != defaults.fontSize)
            font.setPointSizeF(qMax(1.0, points));
    } else {
        font.setPointSizeF(qMax(1.0, points));
    }
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QString fontDescription(const QFont &font)
{
    QString text = QFontInfo(font).family();
    if (font.bold())
        text += QStringLiteral(", bold");
    if (font.italic())
        text += QStringLiteral(", italic");
    return text + QStringLiteral(", size ") + QString::number(font.pointSizeF(), 'g', 6);
}

} // namespace nudgely
