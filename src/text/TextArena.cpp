#include "text/TextArena.h"

#include "text/BulkMemory.h"
#include "text/TextDecoding.h"

#include <algorithm>

namespace nudgely {

namespace {

// Twenty data files of the size people keep fit in the first block.
constexpr std::size_t BlockCharacters = 2 * 1024 * 1024;

} // namespace

TextArena::~TextArena()
{
    for (const Block &block : blocks_)
        freeBulk(block.data, block.capacity * sizeof(QChar));
}

QStringView TextArena::addDecoded(QByteArrayView bytes)
{
    // Decoding never gives more characters than there are bytes.
    const auto needed = static_cast<std::size_t>(bytes.size());
    while (current_ < blocks_.size() && blocks_[current_].capacity - blocks_[current_].used < needed)
        ++current_;
    if (current_ == blocks_.size()) {
        const std::size_t capacity = std::max(needed, BlockCharacters);
        blocks_.push_back({static_cast<QChar *>(allocateBulk(capacity * sizeof(QChar))), capacity, 0});
    }
    Block &block = blocks_[current_];
    QChar *const start = block.data + block.used;
    const QChar *const end = decodeTextTo(bytes, start);
    block.used += static_cast<std::size_t>(end - start);
    return QStringView(start, end);
}

void TextArena::clear()
{
    for (Block &block : blocks_)
        block.used = 0;
    current_ = 0;
}

} // namespace nudgely
