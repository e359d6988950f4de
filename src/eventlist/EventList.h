#pragma once

#include "config/DataFileList.h"
#include "config/Settings.h"
#include "eventlist/Sorting.h"
#include "events/DateFormat.h"
#include "events/EventTable.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace nudgely {

// One row of the list: an occurrence of an event, its day count and age, and its colours.
struct EventRow {
    int event = 0;          // index into the table's events
    DayNumber date = 0;     // the occurrence shown; meaningless for a bad date
    int dayCount = 0;       // from today to that date, negative when past
    std::optional<int> age; // at that date; none without a year
    bool badDate = false;
    qint32 foreground = 0;  // 0x00BBGGRR; 0 is the list's standard colour
    qint32 background = 0;
};

// A period given for one run (--days, --past) in place of the settings' own: days ahead
// lists only the events 0 to N days ahead, as Filter=1 with a length in days; days back
// reaches back N days for missed events, as ShowMissed with MissedLength, 0 turning it off.
struct ListPeriod {
    std::optional<int> daysAhead;
    std::optional<int> daysBack;
};

// What the status bar says after a rebuild.
struct ListSummary {
    int events = 0;
    int filesRead = 0;
    int badDates = 0;
    int displayed = 0;
};

// The rows that the window and --list show: the events that fall in the period around
// today, each at its next occurrence or, when it was missed within the last days, its
// previous one. The list always shows at least one row: an empty one when no event is
// listed. Texts are made when asked for, from the table the list was built on.
class EventList {
public:
    explicit EventList(const EventTable &table) : table_(table) {}

    // Rows in table order, by the display settings and the files' colours, or for one run by
    // another period; the table was resolved for the day given, which a bad date's reason
    // depends on.
    void rebuild(const Settings &settings, const DataFileList &files, const QDate &resolvedFor,
                 const ListPeriod &period = {});
    // Stable: rows equal on every key keep their order.
    void sort(const SortOrder &order);

    int rowCount() const { return rows_.empty() ? 1 : static_cast<int>(rows_.size()); }
    // Nothing for the empty row of an empty list.
    const EventRow *row(int index) const;
    using Rows = std::vector<EventRow, BulkAllocator<EventRow>>;
    const Rows &rows() const { return rows_; }

    QString text(int row, int column) const;
    // The row's date in the long format, or why it has none: "dates.txt, line 12: reason".
    QString toolTip(int row) const;
    // Tab-separated cells of a block of rows and columns, one line a row, the header line
    // first when asked for.
    QStringList lines(int firstRow, int lastRow, int firstColumn, int lastColumn, bool withHeader) const;
    // One such line, without its end, added to a text: row HeaderRow gives the header line.
    static constexpr int HeaderRow = -1;
    void appendLine(QString &text, int row, int firstColumn, int lastColumn) const;

    const EventTable &table() const { return table_; }
    const ListSummary &summary() const { return summary_; }
    // "12 events in 2 datafiles, 1 bad date, 5 events displayed".
    QString summaryText() const;
    // "Nudgely:  -7 days to +6 weeks", or "Nudgely:  all events".
    const QString &caption() const { return caption_; }

private:
    QString ageText(const EventRow &row) const;

    const EventTable &table_;
    Rows rows_;
    ListSummary summary_;
    QString caption_ = QStringLiteral("Nudgely");
    bool appendToAge_ = true;
    DataFileList files_;
    DateFormat format_;
    QDate resolvedFor_;
    std::array<QString, 7> dayNames_; // Monday first, in the locale of the last rebuild
};

// "1" -> "1st", "12" -> "12th", "22" -> "22nd".
QString withOrdinalSuffix(int number);

// "1 event", "0 events", "2 datafiles".
QString pluraliseCount(int count, const QString &noun);

} // namespace nudgely
