#pragma once

#include "platform/dom/Arena.h"
#include "platform/dom/NameTable.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

namespace dom {

// The memory of one page's nodes: every node of a document, its list of children, its
// attributes, its text and the names it bears are allocated here, a piece at a time from large
// blocks. A page dropped while none of its nodes is held elsewhere goes at once, without a walk
// over its nodes. Pieces that edits free are kept by size for reuse, so a page that is edited
// for long does not grow without bound.
//
// It lives as long as something holds it: its document, and each handle on one of its nodes.
class NodeArena {
public:
    // A new arena, held once by the caller.
    static NodeArena* create() { return new NodeArena(); }
    NodeArena(const NodeArena&) = delete;
    NodeArena& operator=(const NodeArena&) = delete;

    void hold() { ++m_holders; }
    // Drops one hold; the last one deletes the arena and everything allocated in it.
    void release() {
        if (--m_holders == 0)
            delete this;
    }
    // Whether anything besides the one holder that asks holds the arena.
    bool heldElsewhere() const { return m_holders > 1; }

    // A node of type T, built in place (nodes own nothing outside the arena).
    template <class T, class... Args> T* make(Args&&... args) {
        return new (allocate(sizeof(T))) T(std::forward<Args>(args)...);
    }
    template <class T> void discard(T* node) {
        node->~T();
        deallocate(node, sizeof(T));
    }

    // size bytes, aligned for pointers.
    void* allocate(std::size_t size);
    // Gives back a piece that allocate(size) gave.
    void deallocate(void* piece, std::size_t size);
    // The text, copied into the arena (nothing is allocated for an empty text).
    std::string_view copy(std::string_view text);
    void discard(std::string_view copied);

    NameTable& names() { return m_names; }

private:
    NodeArena() = default;
    ~NodeArena() = default;

    // Pieces of up to 256 bytes come in steps of 8; larger ones in four steps per power of two.
    static constexpr std::size_t kClasses = 32 + 4 * 56;
    static std::size_t sizeClass(std::size_t size);
    static std::size_t classSize(std::size_t sizeClass);

    Arena m_arena{alignof(void*)};
    std::array<void*, kClasses> m_free{};
    NameTable m_names;
    std::size_t m_holders = 1;
};

} // namespace dom
