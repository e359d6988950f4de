#include "events/EventTable.h"

#include "text/TextFile.h"

namespace nudgely {

void EventTable::addFile(int slot, QString text)
{
    ++filesRead_;
    texts_.push_back(std::move(text));
    const QString &kept = texts_.back();
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
    event.text = static_cast<quint16>(texts_.size() - 1);
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
