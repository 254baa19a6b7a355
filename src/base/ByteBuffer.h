// A growable block of bytes with an owned text beside it; the text reader keeps a
// whole file (or its whole output) in one.
#pragma once

struct ByteBuffer {
    ByteBuffer() = default;
    ~ByteBuffer() { Destroy(); }
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;

    // Forgets data and text without freeing them (their owner has taken them over).
    void Clear();
    // Replaces the data by `count` zero bytes: 0, or 1 when memory is exhausted.
    int Allocate(int count);
    // Opens a gap of `count` bytes at `pos` and fills it from `source`, or with zeros
    // when `source` is null. 1 without data, for a position outside [0, size] or
    // when memory is exhausted; nothing changes then.
    int Insert(int pos, int count, const void* source);
    // Frees the data; the text stays.
    void Release();
    // Frees data and text.
    void Destroy();

    // Allocated with new[], so that a block loaded by a storage back-end can be kept.
    unsigned char* data = nullptr;
    int size = 0;
    char* text = nullptr;
};
