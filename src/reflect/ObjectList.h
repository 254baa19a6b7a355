// The process-wide list of objects created through the registry, oldest first.
#pragma once

#include <cstdint>

class NClass;

class NList;

struct ObjectRecord {
    NClass* object;
    int classIndex;
    ObjectRecord* prev;
    ObjectRecord* next;
    int32_t free;
    NList* list;
};

class NList {
  public:
    // Trivially destructible and constant-initialised, so that the list outlives
    // every object whose destructor looks for itself in it.
    constexpr NList() = default;

    void Add(NClass* object, int classIndex);
    // Takes a free record into use at the tail of the used records.
    ObjectRecord* Get();
    void Free(ObjectRecord* record);
    // Adds `count` free records in one block, which is never returned to the heap.
    void AllocateBlock(int count);
    // Logs and frees the record of `object`; objects never added are left alone.
    void Forget(NClass* object);
    // Deletes every listed object, newest first, and frees every record. Only the
    // fuzz targets and tests call it: in the player the objects live until exit.
    void DestroyAll();

    ObjectRecord* First() { return Ring()->next == Ring() ? nullptr : Ring()->next; }
    ObjectRecord* Next(ObjectRecord* record) {
        return record->next == Ring() ? nullptr : record->next;
    }
    int Allocated() const { return allocated; }
    int FreeCount() const { return freeCount; }

    static constexpr int kBlockSize = 10;

  private:
    ObjectRecord* Ring();

    int allocated = 0;
    int freeCount = 0;
    ObjectRecord sentinel{nullptr, 0, nullptr, nullptr, 0, nullptr};
    ObjectRecord* freeChain = nullptr;
};

extern NList ObjectList;
