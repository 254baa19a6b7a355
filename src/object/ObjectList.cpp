#include "object/ObjectList.h"

#include "app/Con.h"
#include "object/Registry.h"

constinit NList ObjectList;

// The ring closes on first use: a constant-initialised sentinel cannot point at itself.
ObjectRecord* NList::Ring() {
    if (!sentinel.next) {
        sentinel.next = &sentinel;
        sentinel.prev = &sentinel;
    }
    return &sentinel;
}

std::unordered_map<const NClass*, ObjectRecord*>& NList::Index() {
    if (!index) {
        index = new std::unordered_map<const NClass*, ObjectRecord*>;
    }
    return *index;
}

void NList::AllocateBlock(int count) {
    allocated += count;
    freeCount += count;
    ObjectRecord* block = new ObjectRecord[count];
    for (int i = count - 1; i >= 0; --i) {
        block[i] = ObjectRecord{nullptr, NoClass, nullptr, freeChain, 1};
        freeChain = &block[i];
    }
}

ObjectRecord* NList::Get() {
    if (!freeChain) {
        AllocateBlock(kBlockSize);
    }
    ObjectRecord* record = freeChain;
    if (!record->free) {
        Con.Report(2, 0, "NList", 0, "Invalid Get");
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
    if (object) {
        // The oldest record of an object is the one its destruction frees.
        Index().emplace(object, record);
    }
}

void NList::Free(ObjectRecord* record) {
    if (record->free) {
        Con.Report(2, 0, "NList", 0, "Invalid Free");
        return;
    }
    if (index && record->object) {
        const auto found = index->find(record->object);
        if (found != index->end() && found->second == record) {
            index->erase(found);
        }
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
    if (!index) {
        return;
    }
    const auto found = index->find(object);
    if (found == index->end()) {
        return;
    }
    ObjectRecord* record = found->second;
    Con.PrintLine("NClass<%s> Object %p destroyed", GetClassName(record->classIndex),
                  static_cast<void*>(object));
    Free(record);
}
