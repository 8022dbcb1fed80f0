#include "platform/dom/Arena.h"

#include <algorithm>

namespace dom {

void* Arena::allocate(std::size_t size) {
    size = (std::max<std::size_t>(size, 1) + m_alignment - 1) & ~(m_alignment - 1);
    if (size > m_left) {
        // A piece larger than the blocks gets a block of its own; the current block stays.
        if (size > m_blockSize / 4) {
            m_blocks.push_back(std::make_unique_for_overwrite<std::byte[]>(size));
            return m_blocks.back().get();
        }
        m_blocks.push_back(std::make_unique_for_overwrite<std::byte[]>(m_blockSize));
        m_next = m_blocks.back().get();
        m_left = m_blockSize;
        m_blockSize = std::min(m_blockSize * 2, kLargestBlock);
    }
    void* piece = m_next;
    m_next += size;
    m_left -= size;
    return piece;
}

} // namespace dom
