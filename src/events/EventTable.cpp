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

void EventTable::addFile(int slot, QByteArrayView bytes)
{
    ++filesRead_;
    if (textsUsed_ == texts_.size())
        texts_.emplace_back();
    QString &kept = texts_[textsUsed_++];
    decodeTextInto(bytes, kept);
    TextLines lines(kept);
    QStringView line;
    while (lines.next(line) && events_.size() < MaxEvents) {
        if (const auto parsed = parseDataLine(line))
            append(slot, kept, *parsed);
    }
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
