#include "reflect/ObjectList.h"

#include <unordered_set>
#include <vector>

#include "base/Con.h"
#include "reflect/Registry.h"

constinit NList ObjectList;

// The ring closes on first use: a constant-initialised sentinel cannot point at itself.
ObjectRecord* NList::Ring() {
    if (!sentinel.next) {
        sentinel.next = &sentinel;
        sentinel.prev = &sentinel;
    }
    return &sentinel;
}

void NList::AllocateBlock(int count) {
    allocated += count;
    freeCount += count;
    ObjectRecord* block = new ObjectRecord[count];
    for (int i = count - 1; i >= 0; --i) {
        block[i] = ObjectRecord{nullptr, NoClass, nullptr, freeChain, 1, this};
        freeChain = &block[i];
    }
}

ObjectRecord* NList::Get() {
    if (!freeChain) {
        AllocateBlock(kBlockSize);
    }
    ObjectRecord* record = freeChain;
    if (!record->free) {
        Con.ErrorFrom("NList", "Invalid Get");
    }
    freeChain = record->next;
    ObjectRecord* ring = Ring();
    record->prev = ring->prev;
    record->next = ring;
    ring->prev->next = record;
    ring->prev = record;
    record->free = 0;
    --freeCount;
    return record;
}

void NList::Add(NClass* object, int classIndex) {
    ObjectRecord* record = Get();
    record->object = object;
    record->classIndex = classIndex;
    // The oldest record of an object is the one its destruction frees.
    if (object && !object->listRecord) {
        object->listRecord = record;
    }
}

void NList::Free(ObjectRecord* record) {
    if (record->free) {
        Con.ErrorFrom("NList", "Invalid Free");
        return;
    }
    if (record->object && record->object->listRecord == record) {
        record->object->listRecord = nullptr;
    }
    record->prev->next = record->next;
    record->next->prev = record->prev;
    record->prev = nullptr;
    record->object = nullptr;
    record->next = freeChain;
    freeChain = record;
    record->free = 1;
    ++freeCount;
}

void NList::Forget(NClass* object) {
    ObjectRecord* record = object->listRecord;
    if (!record || record->list != this) {
        return;
    }
    Con.PrintLine("NClass<%s> Object %p destroyed", GetClassName(record->classIndex),
                  static_cast<void*>(object));
    Free(record);
}

// The records go first, so that no destructor finds its object still listed; an
// object listed twice is deleted once. Newer objects may point at older ones (a
// reference names an earlier element), never the reverse, so deleting the newest
// first leaves every destructor's neighbours alive.
void NList::DestroyAll() {
    std::vector<NClass*> objects;
    for (ObjectRecord* record = First(); record; record = Next(record)) {
        objects.push_back(record->object);
    }
    while (ObjectRecord* record = First()) {
        Free(record);
    }
    std::unordered_set<NClass*> deleted;
    for (auto object = objects.rbegin(); object != objects.rend(); ++object) {
        if (*object && deleted.insert(*object).second) {
            delete *object;
        }
    }
}
