#include "platform/dom/Arena.h"

#include <algorithm>

namespace dom {

void* Arena::allocateFromNewBlock(std::size_t size) {
    // A piece larger than the blocks gets a block of its own; the current block stays.
    if (size > m_blockSize / 4) {
        m_blocks.push_back(std::make_unique_for_overwrite<std::byte[]>(size));
        return m_blocks.back().get();
    }
    m_blocks.push_back(std::make_unique_for_overwrite<std::byte[]>(m_blockSize));
    m_next = m_blocks.back().get() + size;
    m_left = m_blockSize - size;
    m_blockSize = std::min(m_blockSize * 2, kLargestBlock);
    return m_blocks.back().get();
}

} // namespace dom
