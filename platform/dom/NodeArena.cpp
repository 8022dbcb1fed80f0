#include "platform/dom/NodeArena.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SANITIZE_ADDRESS__)
#define ZIRIRUR_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZIRIRUR_ASAN 1
#endif
#endif
#ifdef ZIRIRUR_ASAN
#include <sanitizer/asan_interface.h>
#endif

namespace dom {

std::size_t NodeArena::sizeClass(std::size_t size) {
    if (size <= 256)
        return (std::max<std::size_t>(size, 1) + 7) / 8 - 1;
    // 2^p < size <= 2^(p+1), in steps of 2^(p-2)
    unsigned p = static_cast<unsigned>(std::bit_width(size - 1)) - 1;
    std::size_t step = std::size_t{1} << (p - 2);
    std::size_t k = (size - (std::size_t{1} << p) + step - 1) / step;
    return 32 + (p - 8) * 4 + (k - 1);
}

std::size_t NodeArena::classSize(std::size_t sizeClass) {
    if (sizeClass < 32)
        return (sizeClass + 1) * 8;
    std::size_t p = (sizeClass - 32) / 4 + 8;
    std::size_t k = (sizeClass - 32) % 4 + 1;
    return (std::size_t{1} << p) + k * (std::size_t{1} << (p - 2));
}

void* NodeArena::allocate(std::size_t size) {
    std::size_t c = sizeClass(size);
    if (void* piece = m_free[c]) {
        std::memcpy(&m_free[c], piece, sizeof(void*));
        return piece;
    }
    return m_arena.allocate(classSize(c));
}

void NodeArena::deallocate(void* piece, std::size_t size) {
    if (!piece)
        return;
    std::size_t c = sizeClass(size);
#ifdef ZIRIRUR_ASAN
    // Under the address sanitizer a freed piece is never reused and any touch of it is
    // reported, as for memory the heap gave back.
    ASAN_POISON_MEMORY_REGION(piece, classSize(c));
#else
    std::memcpy(piece, &m_free[c], sizeof(void*));
    m_free[c] = piece;
#endif
}

std::string_view NodeArena::copy(std::string_view text) {
    if (text.empty())
        return {};
    auto* bytes = static_cast<char*>(allocate(text.size()));
    std::memcpy(bytes, text.data(), text.size());
    return {bytes, text.size()};
}

void NodeArena::discard(std::string_view copied) {
    if (!copied.empty())
        deallocate(const_cast<char*>(copied.data()), copied.size());
}

} // namespace dom
