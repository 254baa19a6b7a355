// Which nodes of a document tree carry each name, in document order, with every
// node numbered in that order: lets name lookups visit only the nodes that can
// match instead of the whole tree.
#pragma once

#include <string_view>
#include <unordered_map>
#include <vector>

struct DocNode;

class DocumentIndex {
  public:
    // Numbers the nodes (their `order` and `subtreeEnd`) and collects the names.
    void Build(DocNode* root);
    void Clear();

    // The nodes named `name`, in document order.
    const std::vector<const DocNode*>& Named(std::string_view name) const;
    // Every named node, in document order.
    const std::vector<const DocNode*>& AllNamed() const { return allNamed; }

  private:
    int Visit(DocNode* node, int order);

    std::unordered_map<std::string_view, std::vector<const DocNode*>> byName;
    std::vector<const DocNode*> allNamed;
    std::vector<const DocNode*> none;
};
