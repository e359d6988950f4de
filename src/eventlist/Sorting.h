#pragma once

namespace nudgely {

enum class SortKey { Age, TimeLeft, EventDescription };
enum class SortOrder { Ascending, Descending };

// The sort marks: which key and order the sort menus show checked. Every run starts with
// time left, ascending.
struct SortMarks {
    SortKey key = SortKey::TimeLeft;
    SortOrder order = SortOrder::Ascending;
};
extern SortMarks CurrentSortMarks;

// Orders the rows of the events grid by the marked key; the current cell stays where it
// was, while the rows under it move.
void SortEvents();

// The sort menus: mark the key or the order, then sort.
void ChooseSortKey(SortKey key);
void ChooseSortOrder(SortOrder order);

// A click on the header row, pressed in one column and released in another (or the
// same). The age, time left and description headers sort by their key, or invert the order
// when their key is already marked; anything else is refused with a message and a beep.
// True when it sorted.
bool HeaderClick(int pressColumn, int releaseColumn);

} // namespace nudgely
