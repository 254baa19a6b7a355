#include "document/DocumentIndex.h"

#include "document/DocNode.h"

void DocumentIndex::Clear() {
    byName.clear();
    allNamed.clear();
}

namespace {

int CountNamed(const DocNode* node) {
    int count = node->name ? 1 : 0;
    for (const DocNode* child = node->firstChild; child; child = child->next) {
        count += CountNamed(child);
    }
    return count;
}

}  // namespace

// Sized before it is filled: growing the tables as a large document is walked costs
// more than the walk.
void DocumentIndex::Build(DocNode* root) {
    Clear();
    if (root) {
        const int named = CountNamed(root);
        byName.reserve(named);
        allNamed.reserve(named);
        Visit(root, 0);
    }
}

// Recursive over depth only: documents nest shallowly (the reader refuses deep
// nesting) but may have very many siblings.
int DocumentIndex::Visit(DocNode* node, int order) {
    node->order = order;
    int next = order + 1;
    if (node->name) {
        byName[node->name].push_back(node);
        allNamed.push_back(node);
    }
    for (DocNode* child = node->firstChild; child; child = child->next) {
        next = Visit(child, next);
    }
    node->subtreeEnd = next;
    return next;
}

const std::vector<const DocNode*>& DocumentIndex::Named(std::string_view name) const {
    const auto found = byName.find(name);
    return found == byName.end() ? none : found->second;
}
