// Feeds arbitrary bytes to the INI engine as a configuration file, sets or removes one key,
// and checks that the file reads back as it was but for that key: a set value reads back,
// also from the written bytes, a removed key is gone, and a set touches only its own line.

#include "config/IniDocument.h"

#include "FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <vector>

namespace {

using namespace nudgely;

// Names of the program's own sections and keys, and a few that are not; spelled in any case.
const std::array<const char *, 6> Sections = {"Display", "DataFiles", "ColoursFuture", "Legacy", "A", "K"};
const std::array<const char *, 8> Keys = {"Filter",  "FontName",         "1File", "12Fore",
                                          "frmLeft", "RegistryMigrated", "k",     "a b"};

QString spelled(FuzzedDataProvider &in, const char *name)
{
    QString text = QString::fromLatin1(name);
    for (QChar &c : text) {
        if (in.ConsumeBool())
            c = c.toUpper();
    }
    return text;
}

bool isUtf16(const QByteArray &bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

// True when the bytes from..to of the file hold a line break, taken in the file's code units.
bool holdsLineBreak(const QByteArray &bytes, qsizetype from, qsizetype to)
{
    if (!isUtf16(bytes))
        return bytes.mid(from, to - from).contains('\n') || bytes.mid(from, to - from).contains('\r');
    const bool little = bytes.startsWith("\xFF\xFE");
    for (qsizetype at = from & ~qsizetype(1); at + 1 < qMin(to + 1, bytes.size()); at += 2) {
        const auto unit = char16_t(little ? uchar(bytes[at]) | uchar(bytes[at + 1]) << 8
                                          : uchar(bytes[at]) << 8 | uchar(bytes[at + 1]));
        if (unit == u'\n' || unit == u'\r')
            return true;
    }
    return false;
}

// The values of every section and key the fuzzer can name, as the document gives them.
std::vector<std::optional<QString>> allValues(const IniDocument &document)
{
    std::vector<std::optional<QString>> values;
    for (const char *section : Sections) {
        for (const char *key : Keys)
            values.push_back(document.value(QLatin1String(section), QLatin1String(key)));
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const std::size_t sectionIndex = in.ConsumeIntegralInRange<std::size_t>(0, Sections.size() - 1);
    const std::size_t keyIndex = in.ConsumeIntegralInRange<std::size_t>(0, Keys.size() - 1);
    const QString section = spelled(in, Sections[sectionIndex]);
    const QString key = spelled(in, Keys[keyIndex]);
    const bool remove = in.ConsumeBool();
    QString value = QString::fromUtf8(in.ConsumeRandomLengthString(80));
    value.remove(QLatin1Char('\n')).remove(QLatin1Char('\r')); // refused before they reach the engine
    const std::vector<char> rest = in.ConsumeRemainingBytes<char>();
    const QByteArray file(rest.data(), qsizetype(rest.size()));

    IniDocument document = IniDocument::fromBytes(file);
    require(document.toBytes() == file);
    std::vector<std::optional<QString>> expected = allValues(document);
    const std::size_t changed = sectionIndex * Keys.size() + keyIndex;
    if (remove) {
        document.removeKey(section, key);
        expected[changed] = std::nullopt;
    } else {
        document.setValue(section, key, value);
        expected[changed] = value;
    }
    const QByteArray written = document.toBytes();
    require(allValues(document) == expected);
    const IniDocument reread = IniDocument::fromBytes(written);
    require(reread.toBytes() == written);
    require(allValues(reread) == expected);

    // The bytes before and after the change stay; what the change replaced is part of one line.
    qsizetype prefix = 0;
    while (prefix < file.size() && prefix < written.size() && file[prefix] == written[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < file.size() - prefix && suffix < written.size() - prefix &&
           file[file.size() - 1 - suffix] == written[written.size() - 1 - suffix])
        ++suffix;
    if (!remove)
        require(!holdsLineBreak(file, prefix, file.size() - suffix));
    else
        require(written.size() <= file.size());
    return 0;
}
