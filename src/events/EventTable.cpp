#include "events/EventTable.h"

#include "text/TextFile.h"

#include <cstring>

namespace nudgely {

// Up to 32,767 of these are read and resolved on every load: the line number took padding.
static_assert(sizeof(Event) <= 48);

EventTable EventTable::copy() const
{
    EventTable table;
    table.arena_ = arena_;
    table.texts_ = texts_;
    table.events_ = events_;
    table.filesRead_ = filesRead_;
    return table;
}

void EventTable::clear()
{
    events_.clear();
    texts_.clear();
    filesRead_ = 0;
    if (arena_.use_count() == 1)
        arena_->clear();
    else
        arena_ = std::make_shared<TextArena>(); // a copy still shows the old texts
}

namespace {

qsizetype lineEnd(QByteArrayView bytes, qsizetype from)
{
    while (from < bytes.size() && bytes[from] != '\n' && bytes[from] != '\r')
        ++from;
    return from;
}

bool hasLongLine(QByteArrayView bytes)
{
    // A line from start is too long when the limit's worth of bytes after it holds no LF;
    // lines split at CR too are never longer. One search covers a whole limit's worth of lines.
    for (qsizetype start = 0; bytes.size() - start > EventTable::MaxLineLength;) {
        const auto *found =
            static_cast<const char *>(::memrchr(bytes.data() + start, '\n', EventTable::MaxLineLength + 1));
        if (!found)
            return true;
        start = found - bytes.data() + 1;
    }
    return false;
}

// The bytes with every line longer than the limit left empty, so that such a line never
// takes memory as text and the lines keep their numbers.
QByteArray withoutLongLines(QByteArrayView bytes, FileTaken &taken)
{
    QByteArray kept;
    int number = 1;
    for (qsizetype start = 0; start < bytes.size(); ++number) {
        const qsizetype end = lineEnd(bytes, start);
        if (end - start > EventTable::MaxLineLength) {
            if (taken.linesTooLong++ == 0)
                taken.firstLineTooLong = number;
        } else {
            kept.append(bytes.sliced(start, end - start));
        }
        start = end;
        if (start < bytes.size())
            kept.append(bytes[start++]);
        if (start < bytes.size() && bytes[start - 1] == '\r' && bytes[start] == '\n')
            kept.append(bytes[start++]);
    }
    return kept;
}

} // namespace

FileTaken EventTable::addFile(int slot, QByteArrayView bytes)
{
    ++filesRead_;
    if (!arena_)
        arena_ = std::make_shared<TextArena>();
    FileTaken taken;
    const QStringView kept =
        hasLongLine(bytes) ? arena_->addDecoded(withoutLongLines(bytes, taken)) : arena_->addDecoded(bytes);
    texts_.push_back(kept);
    TextLines lines(kept);
    QStringView line;
    for (int number = 1; lines.next(line); ++number) {
        if (const auto parsed = parseDataLine(line)) {
            if (events_.size() < MaxEvents)
                append(slot, kept, *parsed, number);
            else
                ++taken.eventsNotLoaded;
        }
    }
    return taken;
}

void EventTable::append(int slot, QStringView text, const DataLine &line, int lineNumber)
{
    Event event;
    event.dateStart = line.date.isEmpty() ? 0 : static_cast<quint32>(line.date.data() - text.data());
    event.dateLength = static_cast<quint32>(line.date.size());
    event.descriptionStart = static_cast<quint32>(line.description.data() - text.data());
    event.descriptionLength = static_cast<quint32>(line.description.size());
    event.line = static_cast<quint32>(lineNumber);
    Q_ASSERT(texts_.size() <= 256); // a load takes at most one text per data file slot
    event.text = static_cast<quint8>(texts_.size() - 1);
    event.slot = static_cast<quint8>(slot);
    event.oneOff = line.oneOff;
    if (events_.empty())
        events_.reserve(MaxEvents);
    events_.push_back(event);
}

QStringView EventTable::date(const Event &event) const
{
    return texts_[event.text].mid(event.dateStart, event.dateLength);
}

QStringView EventTable::description(const Event &event) const
{
    return texts_[event.text].mid(event.descriptionStart, event.descriptionLength);
}

QStringView EventTable::lineText(const Event &event) const
{
    // A one-word line has no date but always its description.
    const QStringView text = texts_[event.text];
    qsizetype start = event.dateLength > 0 ? event.dateStart : event.descriptionStart;
    while (start > 0 && text[start - 1] != u'\n' && text[start - 1] != u'\r')
        --start;
    qsizetype end = start;
    while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
        ++end;
    return text.mid(start, end - start);
}

} // namespace nudgely
