#include "config/DateOrderChoice.h"

namespace nudgely {

namespace {

bool isValidPosition(int position)
{
    return position >= 1 && position <= 3;
}

// Where to look for an element selected at a position: the other two, in this order.
std::array<int, 2> otherPositions(int position)
{
    switch (position) {
    case 1:
        return {2, 3};
    case 2:
        return {1, 3};
    default:
        return {1, 2};
    }
}

} // namespace

bool DateOrderChoice::isSelected(int position, DateElement element) const
{
    return isValidPosition(position) && selected_[position - 1][element];
}

int DateOrderChoice::positionOf(DateElement element) const
{
    for (int position = 1; position <= 3; ++position) {
        if (isSelected(position, element))
            return position;
    }
    return 0;
}

int DateOrderChoice::elementAt(int position) const
{
    for (const DateElement element : {DayElement, MonthElement, YearElement}) {
        if (isSelected(position, element))
            return element;
    }
    return -1;
}

void DateOrderChoice::clear()
{
    selected_ = {};
}

void DateOrderChoice::select(DateElement element, int position)
{
    setSelected(position, element, true, 0);
}

void DateOrderChoice::setSelected(int position, DateElement element, bool selected, int depth)
{
    if (!isValidPosition(position))
        return;
    auto &options = selected_[position - 1];
    if (!selected) {
        options[element] = false;
        return;
    }
    // The options of one position exclude each other.
    const bool wasSelected = options[element];
    options = {};
    options[element] = true;
    if (!wasSelected || depth == 0)
        applyRule(element, position, depth);
}

void DateOrderChoice::applyRule(DateElement element, int position, int depth)
{
    // An option selected by the rule runs the rule in turn, as a click on it would; in a
    // consistent choice it finds nothing more to do. The depth only guards odd choices.
    if (depth > 6)
        return;
    int found = 0;
    for (const int other : otherPositions(position)) {
        if (isSelected(other, element)) {
            found = other;
            break;
        }
    }
    if (found == 0)
        return;
    setSelected(found, element, false, depth + 1);
    const int remaining = 6 - position - found;
    // The two other elements in the order day, month, year: the found position takes the
    // one that the remaining position does not hold.
    DateElement others[2];
    int n = 0;
    for (const DateElement candidate : {DayElement, MonthElement, YearElement}) {
        if (candidate != element)
            others[n++] = candidate;
    }
    if (isSelected(remaining, others[1]))
        setSelected(found, others[0], true, depth + 1);
    if (isSelected(remaining, others[0]))
        setSelected(found, others[1], true, depth + 1);
}

QString dateFormatSample(const DateOrderChoice &choice, const QString &delimiter, bool monthNames)
{
    QString sample;
    for (int position = 1; position <= 3; ++position) {
        switch (choice.elementAt(position)) {
        case DayElement:
            sample += QStringLiteral("25");
            break;
        case MonthElement:
            sample += monthNames ? QStringLiteral("DEC") : QStringLiteral("12");
            break;
        case YearElement:
            sample += QStringLiteral("1998");
            break;
        default:
            continue; // nothing, not even the delimiter
        }
        if (position < 3)
            sample += delimiter;
    }
    return sample + QLatin1Char(' ');
}

} // namespace nudgely
