#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace dom {

// Memory handed out in order from large blocks and given back all at once when the arena
// goes: what a parse allocates by the million, piece by piece, costs one block at a time.
class Arena {
public:
    // Pieces are aligned to alignment, a power of two.
    explicit Arena(std::size_t alignment = alignof(std::max_align_t)) : m_mask(alignment - 1) {}
    Arena(const Arena&) = delete;
    Arena& operator=(const Arena&) = delete;

    // size bytes; valid until the arena goes.
    void* allocate(std::size_t size) {
        size = ((size != 0 ? size : 1) + m_mask) & ~m_mask;
        if (size > m_left)
            return allocateFromNewBlock(size);
        void* piece = m_next;
        m_next += size;
        m_left -= size;
        return piece;
    }

private:
    static constexpr std::size_t kFirstBlock = std::size_t{64} << 10;
    static constexpr std::size_t kLargestBlock = std::size_t{8} << 20;

    void* allocateFromNewBlock(std::size_t size);

    std::size_t m_mask;
    std::byte* m_next = nullptr;
    std::size_t m_left = 0;
    std::size_t m_blockSize = kFirstBlock;
    std::vector<std::unique_ptr<std::byte[]>> m_blocks;
};

} // namespace dom
