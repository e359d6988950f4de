#include "config/WindowGeometry.h"

#include "config/IniSettings.h"
#include "config/Settings.h"
#include "events/NumericText.h"
#include "startup/AppPaths.h"

#include <cmath>

namespace nudgely {

namespace {

const QString Display = QStringLiteral("Display");
const char *const ColumnKeys[] = {"Col0", "Col1", "Col2", "Col3", "Col4"};

// Single precision, as the file has always held them.
std::optional<double> ParseTwips(const QString &text)
{
    const auto number = NumericTextValue(text);
    if (!number || std::abs(*number) > 1e9)
        return std::nullopt;
    return static_cast<double>(static_cast<float>(*number));
}

double ReadWholeTwips(const QString &key, double defaultValue)
{
    const auto number = ParseTwips(ReadIniString(Display, key, IniFilePath, TwipsText(defaultValue)));
    return number ? std::nearbyint(*number) : defaultValue;
}

} // namespace

int TwipsPerPixel(double logicalDpi)
{
    if (logicalDpi <= 0)
        return 15;
    return qMax(1, static_cast<int>(std::lround(1440.0 / logicalDpi)));
}

int TwipsToPixels(double twips, int twipsPerPixel)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

QString TwipsText(double twips)
{
    return QString::number(static_cast<float>(twips), 'g', 9);
}

std::optional<double> ReadTwips(const QString &key)
{
    return ParseTwips(ReadIniString(Display, key, IniFilePath, QString()));
}

void WriteTwips(const QString &key, double twips)
{
    WriteIniString(Display, key, TwipsText(twips), IniFilePath);
}

StoredWindowGeometry ReadStoredWindowGeometry()
{
    FileTransaction snapshot(IniFilePath); // one reading of the file for all keys
    StoredWindowGeometry geometry;
    for (std::size_t i = 0; i < geometry.columns.size(); ++i)
        geometry.columns[i] = ReadWholeTwips(QLatin1String(ColumnKeys[i]), DefaultColumnWidths[i]);
    geometry.width = qMax(ReadWholeTwips(QStringLiteral("frmWidth"), DefaultWindowWidth), MinimumWindowWidth);
    geometry.height = qMax(ReadWholeTwips(QStringLiteral("frmHeight"), DefaultWindowHeight), MinimumWindowHeight);
    geometry.maximised = NumericTextValue(ReadIniString(Display, QStringLiteral("frmMax"), IniFilePath,
                                                        QStringLiteral("0"))) == 1.0;
    if (Settings.Centre != 1) {
        geometry.left = ReadTwips(QStringLiteral("frmLeft"));
        geometry.top = ReadTwips(QStringLiteral("frmTop"));
    }
    return geometry;
}

void WriteWindowGeometry(const WindowGeometryToSave &geometry)
{
    IniWriteBatch batch(IniFilePath);
    if (geometry.width)
        WriteTwips(QStringLiteral("frmWidth"), *geometry.width);
    if (geometry.height)
        WriteTwips(QStringLiteral("frmHeight"), *geometry.height);
    if (geometry.top)
        WriteTwips(QStringLiteral("frmTop"), *geometry.top);
    if (geometry.left)
        WriteTwips(QStringLiteral("frmLeft"), *geometry.left);
    WriteIniString(Display, QStringLiteral("frmMax"), geometry.maximised ? QStringLiteral("1") : QStringLiteral("0"),
                   IniFilePath);
    for (std::size_t i = 0; i < geometry.columns.size(); ++i)
        WriteTwips(QLatin1String(ColumnKeys[i]), std::nearbyint(geometry.columns[i]));
    // A failure is reported by nobody: the window is closing, and its geometry is all it loses.
    batch.commit();
}

} // namespace nudgely
