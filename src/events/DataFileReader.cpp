#include "events/DataFileReader.h"

#include "events/EventTables.h"
#include "events/TextLineReader.h"
#include "startup/FileSystem.h"
#include "startup/StatusMessages.h"

#include <QFile>

namespace nudgely {

namespace {

constexpr QChar Space = QLatin1Char(' ');

bool IsCommentMark(QChar c)
{
    return c == QLatin1Char(';') || c == QLatin1Char('\'') || c == QLatin1Char(':');
}

} // namespace

qsizetype SkipSpaces(QStringView text, qsizetype start)
{
    qsizetype position = qMax<qsizetype>(start, 0);
    while (position < text.size() && text[position] == Space)
        ++position;
    return position;
}

bool ParseDataLine(QStringView line, int slot)
{
    if (line.isEmpty())
        return false;
    const qsizetype start = SkipSpaces(line, 0);
    if (start == line.size())
        return false;
    if (IsCommentMark(line[start]))
        return true;

    QStringView date;
    qsizetype rest = start;
    const qsizetype dateEnd = line.indexOf(Space, start);
    if (dateEnd >= 0) {
        date = line.mid(start, dateEnd - start);
        rest = SkipSpaces(line, dateEnd);
    }

    quint8 flags = 0;
    if (rest < line.size() && line[rest] == QLatin1Char('/')) {
        const qsizetype optionEnd = line.indexOf(Space, rest);
        // The option must be followed by a space, even before an empty description.
        if (optionEnd < 0)
            return false;
        if (line.mid(rest, optionEnd - rest).compare(QLatin1String("/A"), Qt::CaseInsensitive) == 0) {
            flags |= OneOffFlag;
            rest = SkipSpaces(line, optionEnd + 1);
        }
    }

    if (EventCount >= MaxEventCount)
        return false;
    return AppendEvent(date.toString(), line.mid(rest).toString(), static_cast<quint8>(slot), flags);
}

bool ReadTextLine(TextLineReader &file, QStringView &line)
{
    return file.readLine(line);
}

void ReadDataLines(QIODevice &device, int slot)
{
    TextLineReader reader(device);
    QStringView line;
    while (!reader.atEnd()) {
        if (ReadTextLine(reader, line))
            ParseDataLine(line, slot);
        else
            ShowStatus(QStringLiteral("failed to read line..."));
    }
}

bool ReadDataFile(int slot)
{
    const QString &path = DataFiles[slot].szFileName;
    ShowStatus(QStringLiteral("reading datafile: ") + path + QStringLiteral("..."));
    SetBusyPointer(true);

    // Only ordinary files: opening a pipe would wait, and a device might never end.
    if (!FileExists(path))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    ReadDataLines(file, slot);
    return true;
}

void ReadDataFiles()
{
    ResetEvents();
    for (int slot = 1; slot <= MaxDataFiles; ++slot) {
        if (!DataFiles[slot].szFileName.isEmpty() && ReadDataFile(slot))
            ++DataFilesRead;
    }
}

} // namespace nudgely
