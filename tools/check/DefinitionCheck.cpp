#include "check/DefinitionCheck.h"

#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/Con.h"
#include "document/DocNode.h"

namespace {

bool HasText(const DocNode& node) {
    return node.value && strcmp(node.value, kBlankValue) != 0;
}

// What an element does with its name: an element inside a container only refers;
// a member element without content refers when an earlier element defines the
// name and defines an empty object otherwise; everything else defines.
enum class NameUse { kEntry, kEmptyMember, kDefinition };

struct NamedElement {
    const DocNode* node;
    NameUse use;
};

// Every named element in document order; keys, which name nothing, are left out.
void CollectNamed(const DocNode* node, bool inContainer, std::vector<NamedElement>* named) {
    for (; node; node = node->next) {
        if (node->name && !(node->className && strcmp(node->className, kKeyElement) == 0)) {
            const bool topLevel = node->parent && !node->parent->parent;
            NameUse use = NameUse::kDefinition;
            if (inContainer) {
                use = NameUse::kEntry;
            } else if (!topLevel && node->role && !node->firstChild && !HasText(*node) &&
                       node->container == kContainerNone) {
                use = NameUse::kEmptyMember;
            }
            named->push_back({node, use});
        }
        CollectNamed(node->firstChild, node->container != kContainerNone, named);
    }
}

}  // namespace

void CheckDefinitionsBeforeUse(const DocNode& root, const char* file) {
    std::vector<NamedElement> named;
    CollectNamed(root.firstChild, false, &named);
    // The first element of each name, and whether a definition has been met since.
    std::unordered_map<std::string, const NamedElement*> first;
    std::unordered_map<std::string, bool> reported;
    for (const NamedElement& element : named) {
        const std::string name = element.node->name;
        const auto found = first.find(name);
        if (found == first.end()) {
            first.emplace(name, &element);
            continue;
        }
        const NamedElement& use = *found->second;
        if (use.use != NameUse::kEmptyMember || element.use != NameUse::kDefinition ||
            reported[name]) {
            continue;
        }
        reported[name] = true;
        Con.SetPlace(file, use.node->line);
        Con.Warning(
            "nimbus-check: %s \"%s\" is used here before its definition at %s:%d, so it "
            "stands for a new, empty %s",
            use.node->className, use.node->name, file, element.node->line, use.node->className);
    }
    Con.SetPlace(nullptr, 0);
}
