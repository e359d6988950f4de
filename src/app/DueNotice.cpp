#include "app/DueNotice.h"

#include "eventlist/DueEvents.h"
#include "eventlist/EventList.h"

#include <algorithm>
#include <vector>

namespace nudgely {

namespace {

QString dayLabel(int days)
{
    if (days == 0)
        return QStringLiteral("Today");
    return days == 1 ? QStringLiteral("Tomorrow") : QStringLiteral("In %1 days").arg(days);
}

QString escaped(QString text)
{
    return text.replace(u'&', QStringLiteral("&amp;"))
        .replace(u'<', QStringLiteral("&lt;"))
        .replace(u'>', QStringLiteral("&gt;"));
}

QString itemText(const EventTable &table, const Event &event, bool appendToAge)
{
    QString text = table.description(event).toString().simplified();
    if (text.size() > DueNoticeMaxDescription) {
        qsizetype cut = DueNoticeMaxDescription - 1;
        if (text[cut - 1].isHighSurrogate())
            --cut;
        text = text.left(cut) + u'\u2026';
    }
    // Age 0 is a full date's first occurrence, still to come: no anniversary to name.
    if (event.age && *event.age > 0)
        text += QStringLiteral(" (%1)").arg(appendToAge ? withOrdinalSuffix(*event.age) : QString::number(*event.age));
    return escaped(text);
}

QString summaryText(int today, int ahead, int daysAhead)
{
    QStringList parts;
    if (today > 0)
        parts.append(pluraliseCount(today, QStringLiteral("event")) + QStringLiteral(" today"));
    if (ahead > 0) {
        const QString when =
            daysAhead == 1 ? QStringLiteral("tomorrow") : QStringLiteral("in the next %1 days").arg(daysAhead);
        parts.append((today > 0 ? QString::number(ahead) : pluraliseCount(ahead, QStringLiteral("event"))) +
                     QLatin1Char(' ') + when);
    }
    return QStringLiteral("Nudgely: ") + parts.join(QStringLiteral(", "));
}

// A line ends in a full stop unless its last description already ends a sentence.
QString finished(const QString &line)
{
    return QStringView(u".!?\u2026").contains(line.back()) ? line : line + u'.';
}

} // namespace

std::optional<DueNotice> dueNotice(const EventTable &table, int daysAhead, bool appendToAge)
{
    const std::vector<DueEvent> due = dueEvents(table, daysAhead);
    if (due.empty())
        return std::nullopt;

    const auto dueToday = std::count_if(due.begin(), due.end(), [](const DueEvent &e) { return e.days == 0; });
    const int named = std::min<int>(static_cast<int>(due.size()), DueNoticeMaxEvents);
    QStringList lines;
    for (int i = 0; i < named;) {
        const int days = due[static_cast<std::size_t>(i)].days;
        QStringList items;
        for (; i < named && due[static_cast<std::size_t>(i)].days == days; ++i)
            items.append(itemText(table, *due[static_cast<std::size_t>(i)].event, appendToAge));
        lines.append(finished(dayLabel(days) + QStringLiteral(": ") + items.join(QStringLiteral(", "))));
    }
    if (const int more = static_cast<int>(due.size()) - named; more > 0)
        lines.append(QStringLiteral("And %1 more.").arg(more));
    return DueNotice{summaryText(static_cast<int>(dueToday), static_cast<int>(due.size() - dueToday), daysAhead),
                     lines.join(QLatin1Char('\n'))};
}

} // namespace nudgely
