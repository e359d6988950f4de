#include "events/EventTable.h"

#include "text/TextDecoding.h"
#include "text/TextFile.h"

namespace nudgely {

void EventTable::clear()
{
    events_.clear();
    textsUsed_ = 0;
    filesRead_ = 0;
}

FileTaken EventTable::addFile(int slot, QByteArrayView bytes)
{
    ++filesRead_;
    if (textsUsed_ == texts_.size())
        texts_.emplace_back();
    QString &kept = texts_[textsUsed_++];
    decodeTextInto(bytes, kept);
    const std::size_t firstEvent = events_.size();
    FileTaken taken;
    TextLines lines(kept);
    QStringView line;
    for (int number = 1; lines.next(line); ++number) {
        if (line.size() > MaxLineLength) {
            if (taken.linesTooLong++ == 0)
                taken.firstLineTooLong = number;
            continue;
        }
        if (const auto parsed = parseDataLine(line)) {
            if (events_.size() < MaxEvents)
                append(slot, kept, *parsed);
            else
                ++taken.eventsNotLoaded;
        }
    }
    if (taken.linesTooLong > 0)
        compactText(kept, firstEvent);
    return taken;
}

// Keeps only the events' own parts of a text, so that the skipped lines take no memory.
void EventTable::compactText(QString &text, std::size_t firstEvent)
{
    QString compact;
    for (std::size_t i = firstEvent; i < events_.size(); ++i) {
        Event &event = events_[i];
        const quint32 start = event.dateLength > 0 ? event.dateStart : event.descriptionStart;
        const quint32 end = event.descriptionStart + event.descriptionLength;
        const auto at = static_cast<quint32>(compact.size());
        compact.append(QStringView(text).mid(start, end - start));
        event.dateStart = event.dateLength > 0 ? at : 0;
        event.descriptionStart = at + (event.descriptionStart - start);
    }
    text = std::move(compact);
}

void EventTable::append(int slot, QStringView text, const DataLine &line)
{
    Event event;
    event.dateStart = line.date.isEmpty() ? 0 : static_cast<quint32>(line.date.data() - text.data());
    event.dateLength = static_cast<quint32>(line.date.size());
    event.descriptionStart = static_cast<quint32>(line.description.data() - text.data());
    event.descriptionLength = static_cast<quint32>(line.description.size());
    event.text = static_cast<quint16>(textsUsed_ - 1);
    event.slot = static_cast<quint8>(slot);
    event.oneOff = line.oneOff;
    if (events_.empty())
        events_.reserve(MaxEvents);
    events_.push_back(event);
}

QStringView EventTable::date(const Event &event) const
{
    return QStringView(texts_[event.text]).mid(event.dateStart, event.dateLength);
}

QStringView EventTable::description(const Event &event) const
{
    return QStringView(texts_[event.text]).mid(event.descriptionStart, event.descriptionLength);
}

} // namespace nudgely
