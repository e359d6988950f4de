#pragma once

#include <QStringView>

#include <optional>

namespace nudgely {

// One event line of a data file, cut into its parts; views into the line.
struct DataLine {
    QStringView date;        // the date field exactly as written; may be empty
    QStringView description; // the rest of the line, untrimmed
    bool oneOff = false;     // the line carried the option "/A"
};

// Cuts a line into its date field, the one-off option "/A" and the description. Nothing for
// an empty or blank line, a comment (";", "'" or ":" first), or a line that ends with an
// option word, which must be followed by a space. Only the space character (not a tab)
// separates.
std::optional<DataLine> parseDataLine(QStringView line);

} // namespace nudgely
