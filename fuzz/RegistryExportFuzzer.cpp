// Builds a Registry Editor export from the fuzzer's bytes (keys, deleted keys, string,
// number and binary values, deleted values, continued lines, every encoding Windows can
// write), reads it back and checks that each value reads as written. The bytes themselves
// are also read as an export, which must not fail.

#include "config/RegistryExport.h"

#include "FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QtEndian>

#include <array>
#include <cstdint>
#include <map>

namespace {

using namespace nudgely;

const std::array<const char *, 5> KeyPaths = {
    "HKEY_CURRENT_USER\\Software\\Nudgely", "HKEY_CURRENT_USER\\Software\\Nudgely\\Settings",
    "HKEY_CURRENT_USER\\Software\\Nudgely\\Settings\\Sub", "HKEY_CURRENT_USER\\Software\\Nudgely Two",
    "HKEY_CURRENT_USER\\Software\\Nudgely!"};

struct Expected {
    std::optional<QString> text;
    std::optional<qint32> number;
};

QString spelled(FuzzedDataProvider &in, const char *name)
{
    QString text = QString::fromLatin1(name);
    for (QChar &c : text) {
        if (in.ConsumeBool())
            c = c.toUpper();
    }
    return text;
}

// Text a value may hold: no line break, no NUL, which a string value cannot carry whole.
QString someText(FuzzedDataProvider &in, std::size_t length)
{
    QString text = QString::fromUtf8(in.ConsumeRandomLengthString(length));
    text.remove(QLatin1Char('\n')).remove(QLatin1Char('\r')).remove(QChar(0));
    return text;
}

QString quoted(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// Bytes as hex:.. data, broken over continuation lines wherever the fuzzer says.
QString hexData(FuzzedDataProvider &in, const QString &prefix, const QByteArray &bytes)
{
    QString data = prefix;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (i > 0) {
            data += QLatin1Char(',');
            if (in.ConsumeIntegralInRange(0, 7) == 0)
                data += QStringLiteral("\\\r\n  ");
        }
        data += QStringLiteral("%1").arg(uchar(bytes[i]), 2, 16, QLatin1Char('0'));
    }
    return data;
}

QByteArray utf16Le(const QString &text)
{
    QByteArray bytes;
    for (const QChar c : text)
        bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    return bytes;
}

QByteArray encoded(const QString &text, int encoding)
{
    switch (encoding) {
    case 0:
        return "\xFF\xFE" + utf16Le(text);
    case 1: {
        QByteArray bytes("\xFE\xFF");
        for (const QChar c : text)
            bytes.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
        return bytes;
    }
    case 2:
        return "\xEF\xBB\xBF" + text.toUtf8();
    default:
        return text.toUtf8();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    (void)RegistryExport::fromBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));

    FuzzedDataProvider in(data, size);
    const int encoding = in.ConsumeIntegralInRange(0, 3);
    QString text = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n");
    // By case-folded key path and value name; a deleted one reads as nothing.
    std::map<std::pair<QString, QString>, Expected> expected;
    std::optional<QString> current;
    const int lines = in.ConsumeIntegralInRange(0, 40);
    for (int line = 0; line < lines && in.remaining_bytes() > 0; ++line) {
        const QString path = spelled(in, KeyPaths[in.ConsumeIntegralInRange<std::size_t>(0, KeyPaths.size() - 1)]);
        const QString folded = path.toCaseFolded();
        const int kind = in.ConsumeIntegralInRange(0, 7);
        if (kind == 0) {
            // A deleted key takes its values and those of its subkeys.
            text += QStringLiteral("[-") + path + QStringLiteral("]\r\n");
            for (auto &[slot, value] : expected) {
                if (slot.first == folded || slot.first.startsWith(folded + QLatin1Char('\\')))
                    value = Expected{};
            }
            current.reset();
            continue;
        }
        if (!current || kind == 1) {
            text += QLatin1Char('[') + path + QString(in.ConsumeIntegralInRange(0, 2), QLatin1Char('\\')) +
                    QStringLiteral("]\r\n");
            current = folded;
            continue;
        }
        const bool isDefault = in.ConsumeIntegralInRange(0, 5) == 0;
        const QString name = isDefault ? QString() : someText(in, 12);
        const auto slot = std::make_pair(*current, name.toCaseFolded());
        text += isDefault ? QStringLiteral("@") : quoted(name);
        if (kind == 2) {
            text += QStringLiteral("=-\r\n");
            expected[slot] = Expected{};
            continue;
        }
        Expected value;
        if (kind == 3 || kind == 4) {
            // Up to and past the 1024 bytes the old settings could hold.
            const QString string = someText(in, kind == 3 ? 16 : 1100);
            if (kind == 3 || encoding > 1) {
                text += QLatin1Char('=') + quoted(string);
            } else {
                text += hexData(in, QStringLiteral("=hex(1):"), utf16Le(string) + QByteArray(2, '\0'));
            }
            if (string.toUtf8().size() + 1 <= 1024)
                value.text = string;
        } else if (kind == 5) {
            const auto number = in.ConsumeIntegral<quint32>();
            text += QStringLiteral("=dword:%1").arg(number, 8, 16, QLatin1Char('0'));
            value.number = qint32(number);
            value.text = QString::number(qint32(number));
        } else {
            const std::string bytes = in.ConsumeRandomLengthString(kind == 6 ? 8 : 1100);
            const QByteArray binary(bytes.data(), qsizetype(bytes.size()));
            const bool asNumber = kind == 6 && binary.size() == 4;
            text += hexData(in, asNumber ? QStringLiteral("=hex(4):") : QStringLiteral("=hex:"), binary);
            if (binary.size() <= 1024)
                value.text = asNumber ? QString::number(qFromLittleEndian<qint32>(binary.constData())) : QString();
            if (asNumber)
                value.number = qFromLittleEndian<qint32>(binary.constData());
        }
        text += QStringLiteral("\r\n");
        expected[slot] = value;
    }

    const RegistryExport read = RegistryExport::fromBytes(encoded(text, encoding));
    for (const auto &[slot, value] : expected) {
        require(read.text(slot.first, slot.second) == value.text);
        require(read.number(slot.first, slot.second) == value.number);
    }
    return 0;
}
