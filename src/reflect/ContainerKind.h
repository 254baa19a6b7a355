// How the elements of a container member are arranged: the words of a document's
// "Container" attribute.
#pragma once

#include <cstdint>

enum ContainerKind : uint32_t {
    kContainerNone = 0,
    kContainerList = 0x40000000,
    kContainerTree = 0x80000000,
};

// "Tree", "List", or "None" for any other value.
inline const char* GetContainerName(uint32_t kind) {
    return kind == kContainerTree ? "Tree" : kind == kContainerList ? "List" : "None";
}
