// The quads a tile emitted in one frame, for all its primitives together. Every
// quad covers cells of the tile's grid that no other quad of the frame covers, so
// there are never more quads than cells, however many primitives share them: one
// store sized by the cells holds every primitive's quads, each primitive's linked
// in the order they were emitted. The store is left unwritten until quads are
// added, so the memory a frame's quads actually use is all that becomes resident.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "effects/Sprite.h"

class TileQuads {
  public:
    // Where a walk through one primitive's quads stands; kEnd past the last.
    static constexpr int32_t kEnd = -1;

    // Room for `quads` quads over `primitives` primitives, every list empty.
    void Reserve(int32_t quads, int32_t primitives);
    // Empties every list.
    void Clear();
    // A new quad at the end of `primitive`'s list, to be filled in; null when the
    // store is full.
    CornerSprite* Add(int32_t primitive);

    int32_t Count(int32_t primitive) const { return lists[primitive].count; }
    int32_t Capacity() const { return capacity; }
    // The walk position of `primitive`'s first quad.
    int32_t First(int32_t primitive) const { return lists[primitive].first; }
    // Copies quads from `at` on into `out`, at most `room` of them, and moves `at`
    // past them; the number copied.
    int32_t Copy(int32_t& at, CornerSprite* out, int32_t room) const;

  private:
    struct List {
        int32_t first = kEnd;
        int32_t last = kEnd;
        int32_t count = 0;
    };

    std::unique_ptr<CornerSprite[]> quads;
    // The quad that follows each quad in its primitive's list.
    std::unique_ptr<int32_t[]> next;
    std::vector<List> lists;
    int32_t capacity = 0;
    int32_t used = 0;
};
