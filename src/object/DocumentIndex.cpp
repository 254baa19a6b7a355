#include "object/DocumentIndex.h"

#include "object/DocNode.h"

void DocumentIndex::Clear() {
    byName.clear();
    allNamed.clear();
}

void DocumentIndex::Build(DocNode* root) {
    Clear();
    if (root) {
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
