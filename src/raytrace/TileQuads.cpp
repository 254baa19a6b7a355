#include "raytrace/TileQuads.h"

#include <cstddef>

void TileQuads::Reserve(int32_t quadCount, int32_t primitives) {
    // Every quad and link is written by Add before it is read.
    quads = std::make_unique_for_overwrite<CornerSprite[]>(static_cast<size_t>(quadCount));
    next = std::make_unique_for_overwrite<int32_t[]>(static_cast<size_t>(quadCount));
    lists.assign(static_cast<size_t>(primitives), List{});
    capacity = quadCount;
    used = 0;
}

void TileQuads::Clear() {
    for (List& list : lists) {
        list = List{};
    }
    used = 0;
}

CornerSprite* TileQuads::Add(int32_t primitive) {
    if (used == capacity) {
        return nullptr;
    }
    const int32_t quad = used++;
    List& list = lists[primitive];
    if (list.count == 0) {
        list.first = quad;
    } else {
        next[list.last] = quad;
    }
    list.last = quad;
    next[quad] = kEnd;
    ++list.count;
    return &quads[quad];
}

int32_t TileQuads::Copy(int32_t& at, CornerSprite* out, int32_t room) const {
    int32_t copied = 0;
    for (; at != kEnd && copied < room; at = next[at]) {
        out[copied++] = quads[at];
    }
    return copied;
}
