#include "events/DataFileReader.h"

#include "text/ErrorText.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nudgely {

DataFileContent readDataFile(const QString &path)
{
    DataFileContent content;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        content.openProblem = systemErrorText(errno);
        return content;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        content.openProblem = QStringLiteral("not an ordinary file");
        return content;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        content.openProblem = file.errorString();
        return content;
    }
    content.text = readTextFile(file);
    return content;
}

DataFileLoad loadDataFile(EventTable &table, int slot, const QString &path)
{
    DataFileLoad load;
    const DataFileContent content = readDataFile(path);
    if (!content.openProblem.isEmpty()) {
        load.problems.append(content.openProblem);
        return load;
    }
    load.read = true;
    const FileTaken taken = table.addFile(slot, content.text.bytes);
    if (content.text.readFailed)
        load.problems.append(QStringLiteral("a read error stopped it; only the lines before it were read"));
    if (content.text.cut)
        load.problems.append(QStringLiteral("larger than %1 MiB; only the lines within the first %1 MiB were read")
                                 .arg(MaxTextFileBytes / (1024 * 1024)));
    if (taken.linesTooLong == 1)
        load.problems.append(QStringLiteral("line %1 is longer than %2 KiB and was skipped")
                                 .arg(taken.firstLineTooLong)
                                 .arg(EventTable::MaxLineLength / 1024));
    else if (taken.linesTooLong > 1)
        load.problems.append(QStringLiteral("%1 lines longer than %2 KiB were skipped, the first at line %3")
                                 .arg(taken.linesTooLong)
                                 .arg(EventTable::MaxLineLength / 1024)
                                 .arg(taken.firstLineTooLong));
    if (taken.eventsNotLoaded > 0)
        load.problems.append(QStringLiteral("%1 not loaded: Nudgely holds at most %2 events")
                                 .arg(taken.eventsNotLoaded == 1 ? QStringLiteral("1 event")
                                                                 : QStringLiteral("%1 events").arg(taken.eventsNotLoaded))
                                 .arg(EventTable::MaxEvents));
    load.eventsNotLoaded = taken.eventsNotLoaded;
    load.readFailed = content.text.readFailed;
    return load;
}

} // namespace nudgely
