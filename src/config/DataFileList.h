#pragma once

#include <QString>

#include <array>

namespace nudgely {

inline constexpr int MaxDataFiles = 20;

// The colours of a data file's rows, 0x00BBGGRR, by whether the occurrence lies ahead, is
// today or has passed. In the list 0 means the list's standard colour, so black is 1.
struct FileColours {
    qint32 futureText = 0;
    qint32 futureBack = 0;
    qint32 todayText = 0;
    qint32 todayBack = 0;
    qint32 pastText = 0;
    qint32 pastBack = 0;

    bool operator==(const FileColours &) const = default;
};

// Standard text on white, light yellow and light grey: what a slot's missing colour keys give.
inline constexpr FileColours StoredColourDefaults{0, 16777215, 0, 65535, 0, 12632256};
// Black text ahead, yellow today, white on grey when past: a newly added file, and the
// sample file when nothing is configured.
inline constexpr FileColours NewFileColours{1, 0, 0, 65535, 16777215, 12632256};

// One configured data file; an empty path marks an unused slot.
struct DataFile {
    QString path;
    FileColours colours;

    bool operator==(const DataFile &) const = default;
};

// Slots 1 to 20 of the configuration, at indexes 0 to 19. Their order is the order in which
// the files are read; a gap is kept as such.
using DataFileList = std::array<DataFile, MaxDataFiles>;

} // namespace nudgely
