#include "events/SharedTexts.h"

#include <QHashFunctions>

#include <unordered_map>
#include <unordered_set>

namespace nudgely {

namespace {

constexpr qsizetype MaxSharedLength = 16;
constexpr std::size_t MaxSharedTexts = 65536;

struct ViewHash {
    using is_transparent = void;
    std::size_t operator()(QStringView text) const { return qHash(text); }
};

struct ViewEqual {
    using is_transparent = void;
    bool operator()(QStringView a, QStringView b) const { return a == b; }
};

} // namespace

QString SharedText(QStringView text)
{
    static std::unordered_set<QString, ViewHash, ViewEqual> pool;
    if (text.size() > MaxSharedLength)
        return text.toString();
    if (const auto found = pool.find(text); found != pool.end())
        return *found;
    if (pool.size() >= MaxSharedTexts)
        return text.toString();
    return *pool.insert(text.toString()).first;
}

QString SharedNumber(int number)
{
    static std::unordered_map<int, QString> made;
    if (const auto found = made.find(number); found != made.end())
        return found->second;
    if (made.size() >= MaxSharedTexts)
        return QString::number(number);
    return made.emplace(number, QString::number(number)).first->second;
}

} // namespace nudgely
