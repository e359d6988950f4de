#pragma once

#include <QString>

#include <array>

namespace nudgely {

enum DateElement { DayElement = 0, MonthElement = 1, YearElement = 2 };

// Which element each of the three positions of a date field holds, as the date format
// page's three groups of day / month / year options show it: at most one per position.
// A consistent choice is a permutation; one loaded from a hand-edited file may not be.
class DateOrderChoice {
public:
    bool isSelected(int position, DateElement element) const;
    // The position (1 to 3) holding the element, or 0.
    int positionOf(DateElement element) const;
    // The element at a position, or -1 when none.
    int elementAt(int position) const;

    // Selects the element at the position (1 to 3) and keeps the choice a permutation: if
    // the element stood at another position, that position takes the element that was
    // displaced. A position outside 1 to 3 selects nothing.
    void select(DateElement element, int position);
    void clear();

private:
    void setSelected(int position, DateElement element, bool selected, int depth);
    void applyRule(DateElement element, int position, int depth);

    // selected_[position - 1][element]
    std::array<std::array<bool, 3>, 3> selected_{};
};

// The sample of a date written in the chosen order: "25/12/1998 " with month numbers or
// "25/DEC/1998 " with month names; a position without an element adds nothing, not even a
// delimiter. Each sample ends in one blank.
QString dateFormatSample(const DateOrderChoice &choice, const QString &delimiter, bool monthNames);

} // namespace nudgely
