#include "eventlist/EventList.h"

#include "events/OccurrenceResolver.h"
#include "text/NumericText.h"

#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <cstdlib>

namespace nudgely {

namespace {

constexpr qint32 BadDateColour = 0x000000FF; // pure red
const QString Unknown = QStringLiteral("?");
const QString NoAge = QStringLiteral(" ");

// A recurring full date that still lies ahead has had no previous occurrence: its previous
// date is only the date less a year, so it is never missed (its age would be -1).
bool hadPreviousOccurrence(const Event &event)
{
    return event.oneOff || !event.age || *event.age >= 1;
}

// The settings' period, or the one given for this run.
struct Period {
    bool filter = true;
    int daysAhead = 0;
    bool showMissed = true;
    int daysBack = 0;
    bool hideUnknown = false;
};

Period periodFor(const Settings &settings, const ListPeriod &given)
{
    Period period{settings.filter == 1, 7 * int(settings.filterLength), settings.showMissed == 1,
                  int(settings.missedLength), settings.hideUnknown == 1};
    if (given.daysAhead) {
        period.filter = true;
        period.daysAhead = *given.daysAhead;
    }
    if (given.daysBack) {
        period.showMissed = *given.daysBack > 0;
        period.daysBack = *given.daysBack;
    }
    return period;
}

bool inMissedWindow(const Event &event, const Period &period)
{
    return period.showMissed && !event.badDate && event.daysToLast <= 0 && event.daysToLast >= -period.daysBack &&
           hadPreviousOccurrence(event);
}

QString captionFor(const Settings &settings)
{
    QString caption = QStringLiteral("Nudgely:  ");
    if (settings.filter == 0)
        return caption + QStringLiteral("all events");
    if (settings.showMissed == 1)
        caption += QStringLiteral("-%1 days to ").arg(settings.missedLength);
    else
        caption += QStringLiteral("today to ");
    return caption + QStringLiteral("+%1 weeks").arg(settings.filterLength);
}

// Builds the rows, counting what it shows.
class RowBuilder {
public:
    RowBuilder(const EventTable::Events &events, const Period &period, const DataFileList &files,
               EventList::Rows &rows, ListSummary &summary)
        : events_(events), period_(period), files_(files), rows_(rows), summary_(summary)
    {
    }

    void addRows()
    {
        for (int index = 0; index < static_cast<int>(events_.size()); ++index) {
            const Event &event = events_[static_cast<std::size_t>(index)];
            bool shown = false;
            if (inMissedWindow(event, period_)) {
                addMissed(index);
                ++summary_.displayed;
                shown = true;
            }
            if (period_.filter) {
                if (!event.badDate) {
                    if (event.daysToNext >= 0 && event.daysToNext <= period_.daysAhead && !shown) {
                        addNext(index);
                        ++summary_.displayed;
                    }
                } else {
                    // An unreadable date is listed whatever the period, unless such dates are hidden.
                    ++summary_.badDates;
                    if (!period_.hideUnknown) {
                        addNext(index);
                        ++summary_.displayed;
                    }
                }
            } else if (!shown) {
                if (event.badDate) {
                    ++summary_.badDates;
                    if (!period_.hideUnknown)
                        ++summary_.displayed;
                } else {
                    ++summary_.displayed;
                }
                addNext(index);
            }
        }
    }

private:
    void addMissed(int index)
    {
        const Event &event = events_[static_cast<std::size_t>(index)];
        const auto age = event.age ? std::optional<int>(*event.age - 1) : std::nullopt;
        add(index, event.last, event.daysToLast, age);
    }

    void addNext(int index)
    {
        const Event &event = events_[static_cast<std::size_t>(index)];
        add(index, event.next, event.daysToNext, event.age);
    }

    void add(int index, DayNumber date, int dayCount, std::optional<int> age)
    {
        const Event &event = events_[static_cast<std::size_t>(index)];
        if (period_.hideUnknown && event.badDate)
            return;
        EventRow row{index, date, dayCount, age, event.badDate, 0, 0};
        if (event.badDate) {
            row.foreground = BadDateColour;
        } else {
            const FileColours &colours = files_[event.slot].colours;
            row.foreground = dayCount > 0 ? colours.futureText : dayCount == 0 ? colours.todayText : colours.pastText;
            row.background = dayCount > 0 ? colours.futureBack : dayCount == 0 ? colours.todayBack : colours.pastBack;
        }
        rows_.push_back(row);
    }

    const EventTable::Events &events_;
    const Period &period_;
    const DataFileList &files_;
    EventList::Rows &rows_;
    ListSummary &summary_;
};

// One cell as a sort key: a number, or a text compared without regard to case.
struct SortCell {
    bool isNumber = false;
    double number = 0;
    QStringView text;
};

// An ASCII character as compareWithoutCase compares it; the sort keys fold the same way.
constexpr char16_t foldAscii(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? c + 32 : c;
}

// Case-insensitive, as QStringView::compare is, with plain ASCII compared directly: most
// descriptions are nothing else, and the library folds every character through its tables.
int compareWithoutCase(QStringView a, QStringView b)
{
    const qsizetype common = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= 0x80 || y >= 0x80)
            return a.mid(i).compare(b.mid(i), Qt::CaseInsensitive);
        if (x == y)
            continue;
        x = foldAscii(x);
        y = foldAscii(y);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// A double's order as an unsigned integer's.
quint64 orderedBits(double value)
{
    constexpr quint64 Sign = quint64(1) << 63;
    const auto bits = std::bit_cast<quint64>(value == 0 ? 0.0 : value); // -0 is 0
    return (bits & Sign) ? ~bits : bits | Sign;
}

// A row's sort keys as far as two words each hold them, and the row's index for what they
// cannot tell: with tens of thousands of rows, reaching every compared cell through an index
// missed the cache at each comparison, and rows due on the same day were told apart by their
// descriptions. A number is held whole; a text by its first sixteen characters, folded as
// compareWithoutCase folds them, seven bits each from the top, eight to a word. Past the
// text's end every character is 0; a character beyond ASCII, and all after it, is not known,
// as the library folds it.
struct SortEntry {
    static constexpr int PerWord = 8;
    static constexpr int Characters = 2 * PerWord;

    std::array<std::array<quint64, 2>, 2> bits{};
    quint32 row = 0;
    std::array<quint8, 2> known{}; // of a text's leading characters
    std::array<bool, 2> isText{};

    void hold(std::size_t k, const SortCell &cell)
    {
        isText[k] = !cell.isNumber;
        if (cell.isNumber) {
            bits[k][0] = orderedBits(cell.number);
            return;
        }
        const qsizetype size = cell.text.size();
        const char16_t *const text = cell.text.utf16();
        int i = 0;
        bool beyondAscii = false;
        for (quint64 &word : bits[k]) {
            quint64 held = 0; // built in a register: a store at each character stalled the next
            for (const int end = i + PerWord; i < end && !beyondAscii; ++i) {
                const char16_t c = i < size ? text[i] : 0;
                beyondAscii = c >= 0x80;
                if (beyondAscii)
                    break;
                held |= quint64(foldAscii(c)) << (7 * (end - 1 - i));
            }
            word = held;
        }
        known[k] = static_cast<quint8>(i);
    }

    // The order of key k of two rows, or 0 when the words cannot tell it; texts then need
    // comparing.
    static int compare(const SortEntry &a, const SortEntry &b, std::size_t k)
    {
        // Every number before every text; a mixed pair compared as text would make the order
        // circular.
        if (a.isText[k] != b.isText[k])
            return a.isText[k] ? 1 : -1;
        if (!a.isText[k])
            return a.bits[k][0] < b.bits[k][0] ? -1 : (a.bits[k][0] > b.bits[k][0] ? 1 : 0);
        int known = qMin(a.known[k], b.known[k]);
        for (std::size_t w = 0; w < 2 && known > 0; ++w, known -= PerWord) {
            const int shift = 7 * (PerWord - qMin(known, PerWord));
            const quint64 x = a.bits[k][w] >> shift;
            const quint64 y = b.bits[k][w] >> shift;
            if (x != y)
                return x < y ? -1 : 1;
        }
        return 0;
    }
};

const char *ordinalSuffix(int number)
{
    const int lastTwo = std::abs(number) % 100;
    if (lastTwo >= 11 && lastTwo <= 13)
        return "th";
    switch (lastTwo % 10) {
    case 1:
        return "st";
    case 2:
        return "nd";
    case 3:
        return "rd";
    default:
        return "th";
    }
}

// An age with its suffix ("57th"), made without a heap allocation.
struct AgeText {
    char16_t chars[16];
    int length = 0;
};

AgeText suffixedAge(int age)
{
    AgeText text;
    char digits[12];
    const int count = std::snprintf(digits, sizeof digits, "%d", age);
    for (int i = 0; i < count; ++i)
        text.chars[text.length++] = static_cast<char16_t>(digits[i]);
    for (const char *suffix = ordinalSuffix(age); *suffix; ++suffix)
        text.chars[text.length++] = static_cast<char16_t>(*suffix);
    return text;
}

// A row's cell in a key column as it sorts; an age with its suffix is made in the text given.
SortCell sortCell(const EventRow &row, EventColumn column, QStringView description, AgeText *ageText)
{
    SortCell cell;
    if (column == DescriptionColumn) {
        cell.text = description;
        if (const auto number = numericTextValue(description)) {
            cell.isNumber = true;
            cell.number = *number;
        }
    } else if (row.badDate) {
        cell.text = Unknown;
    } else if (column == TimeLeftColumn) {
        cell.isNumber = true;
        cell.number = row.dayCount;
    } else if (!row.age) {
        cell.text = NoAge;
    } else if (ageText) {
        *ageText = suffixedAge(*row.age);
        cell.text = QStringView(ageText->chars, ageText->length);
    } else {
        cell.isNumber = true;
        cell.number = *row.age;
    }
    return cell;
}

} // namespace

void EventList::rebuild(const Settings &settings, const DataFileList &files, const QDate &resolvedFor,
                        const ListPeriod &period)
{
    files_ = files;
    format_ = DateFormat::fromSettings(settings.delimiter, settings.dayPos, settings.monthPos);
    resolvedFor_ = resolvedFor;
    rows_.clear();
    summary_ = ListSummary();
    summary_.events = static_cast<int>(table_.events().size());
    summary_.filesRead = table_.filesRead();
    caption_ = captionFor(settings);
    appendToAge_ = settings.appendToAge == 1;
    const QLocale locale;
    for (int day = 1; day <= 7; ++day)
        dayNames_[static_cast<std::size_t>(day - 1)] = locale.dayName(day, QLocale::ShortFormat);
    rows_.reserve(table_.events().size()); // at most a row each, at once rather than by doubling
    RowBuilder(table_.events(), periodFor(settings, period), files, rows_, summary_).addRows();
}

void EventList::sort(const SortOrder &order)
{
    std::vector<EventColumn> keys;
    switch (order.key) {
    case SortKey::Age:
        keys = {AgeColumn, TimeLeftColumn};
        break;
    case SortKey::TimeLeft:
        keys = {TimeLeftColumn, DescriptionColumn};
        break;
    case SortKey::Description:
        keys = {DescriptionColumn};
        break;
    }
    const std::size_t count = rows_.size();
    const std::size_t width = keys.size();
    // Keys are worked out once per row, not at every comparison.
    const bool agesAsText = order.key == SortKey::Age && appendToAge_;
    std::vector<AgeText> ages(agesAsText ? count : 0);
    std::vector<SortCell, BulkAllocator<SortCell>> cells(count * width);
    for (std::size_t r = 0; r < count; ++r) {
        const EventRow &row = rows_[r];
        const QStringView description = table_.description(table_.events()[static_cast<std::size_t>(row.event)]);
        for (std::size_t k = 0; k < width; ++k)
            cells[r * width + k] = sortCell(row, keys[k], description, agesAsText ? &ages[r] : nullptr);
    }
    Q_ASSERT(width <= 2);
    std::vector<SortEntry, BulkAllocator<SortEntry>> entries(count);
    for (std::size_t r = 0; r < count; ++r) {
        entries[r].row = static_cast<quint32>(r);
        for (std::size_t k = 0; k < width; ++k)
            entries[r].hold(k, cells[r * width + k]);
    }
    // Rows equal on every key keep their order: the row index settles them, which lets a sort
    // that moves less than a stable one do.
    std::sort(entries.begin(), entries.end(), [&](const SortEntry &a, const SortEntry &b) {
        int result = 0;
        for (std::size_t k = 0; result == 0 && k < width; ++k) {
            result = SortEntry::compare(a, b, k);
            if (result == 0 && a.isText[k])
                result = compareWithoutCase(cells[a.row * width + k].text, cells[b.row * width + k].text);
        }
        if (result == 0)
            return a.row < b.row;
        return order.descending ? result > 0 : result < 0;
    });
    Rows sorted;
    sorted.reserve(count);
    for (const SortEntry &entry : entries)
        sorted.push_back(rows_[entry.row]);
    rows_ = std::move(sorted);
}

const EventRow *EventList::row(int index) const
{
    if (index < 0 || index >= static_cast<int>(rows_.size()))
        return nullptr;
    return &rows_[static_cast<std::size_t>(index)];
}

QString EventList::ageText(const EventRow &row) const
{
    if (!row.age)
        return NoAge;
    return appendToAge_ ? withOrdinalSuffix(*row.age) : QString::number(*row.age);
}

QString EventList::text(int rowIndex, int column) const
{
    const EventRow *row = this->row(rowIndex);
    if (!row)
        return {};
    const Event &event = table_.events()[static_cast<std::size_t>(row->event)];
    switch (column) {
    case DateColumn:
        return table_.date(event).toString();
    case DayColumn:
        return row->badDate ? Unknown : dayNames_[static_cast<std::size_t>((weekday(row->date) + 5) % 7)];
    case AgeColumn:
        return row->badDate ? Unknown : ageText(*row);
    case TimeLeftColumn:
        return row->badDate ? Unknown : QString::number(row->dayCount);
    case DescriptionColumn:
        return table_.description(event).toString();
    default:
        return {};
    }
}

QString EventList::toolTip(int rowIndex) const
{
    const EventRow *row = this->row(rowIndex);
    if (!row)
        return {};
    if (row->badDate) {
        const Event &event = table_.events()[static_cast<std::size_t>(row->event)];
        const QString reason = badDateReason(table_.date(event), format_, resolvedFor_);
        return QStringLiteral("%1, line %2: %3")
            .arg(QFileInfo(files_[event.slot].path).fileName())
            .arg(event.line)
            .arg(reason.isEmpty() ? QStringLiteral("couldn't resolve date for this event") : reason);
    }
    return QLocale().toString(QDate::fromJulianDay(row->date), QLocale::LongFormat);
}

QStringList EventList::lines(int firstRow, int lastRow, int firstColumn, int lastColumn, bool withHeader) const
{
    QStringList result;
    if (withHeader) {
        result.append(QString());
        appendLine(result.back(), HeaderRow, firstColumn, lastColumn);
    }
    for (int row = firstRow; row <= lastRow; ++row) {
        result.append(QString());
        appendLine(result.back(), row, firstColumn, lastColumn);
    }
    return result;
}

void EventList::appendLine(QString &text, int row, int firstColumn, int lastColumn) const
{
    for (int column = firstColumn; column <= lastColumn; ++column) {
        if (column > firstColumn)
            text += QLatin1Char('\t');
        const qsizetype start = text.size();
        text += row == HeaderRow ? columnHeader(column) : this->text(row, column);
        // A tab or line break inside a field would make a column of its own.
        for (qsizetype i = start; i < text.size(); ++i) {
            if (text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r')
                text[i] = u' ';
        }
    }
}

QString EventList::summaryText() const
{
    return pluraliseCount(summary_.events, QStringLiteral("event")) + QStringLiteral(" in ") +
           pluraliseCount(summary_.filesRead, QStringLiteral("datafile")) + QStringLiteral(", ") +
           pluraliseCount(summary_.badDates, QStringLiteral("bad date")) + QStringLiteral(", ") +
           pluraliseCount(summary_.displayed, QStringLiteral("event")) + QStringLiteral(" displayed");
}

QString withOrdinalSuffix(int number)
{
    return QString::number(number) + QLatin1String(ordinalSuffix(number));
}

QString pluraliseCount(int count, const QString &noun)
{
    return QString::number(count) + QLatin1Char(' ') + noun + (count == 1 ? QString() : QStringLiteral("s"));
}

} // namespace nudgely
