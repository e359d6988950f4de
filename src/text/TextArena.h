#pragma once

#include <QByteArrayView>
#include <QStringView>

#include <cstddef>
#include <vector>

namespace nudgely {

// Decoded texts kept back to back in a few large blocks. A text stays where it is until the
// arena is cleared or destroyed, so views into it stay valid until then.
class TextArena {
public:
    TextArena() = default;
    ~TextArena();
    TextArena(const TextArena &) = delete;
    TextArena &operator=(const TextArena &) = delete;

    // Decodes the bytes as decodeText does, and keeps the text.
    QStringView addDecoded(QByteArrayView bytes);
    // Forgets the texts but keeps the blocks, so that the next texts need no new memory.
    void clear();

private:
    struct Block {
        QChar *data = nullptr;
        std::size_t capacity = 0; // in characters
        std::size_t used = 0;
    };
    std::vector<Block> blocks_;
    std::size_t current_ = 0;
};

} // namespace nudgely
