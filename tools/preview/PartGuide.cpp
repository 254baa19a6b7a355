#include "preview/PartGuide.h"

#include <strings.h>

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "app/Demo.h"
#include "document/DocNode.h"

namespace {

long Milliseconds(float seconds) {
    return std::lround(seconds * 1000.0);
}

// The node after `node` in document order, without recursion: documents may nest deep.
const DocNode* NextInDocument(const DocNode* node) {
    if (node->firstChild) {
        return node->firstChild;
    }
    while (node && !node->next) {
        node = node->parent;
    }
    return node ? node->next : nullptr;
}

}  // namespace

void PartGuide::Build(const NDemo& demo, const DocNode& document) {
    // The first element with a name that made each object.
    std::unordered_map<const NClass*, const char*> names;
    for (const DocNode* node = document.firstChild; node; node = NextInDocument(node)) {
        if (node->object && node->name && node->name[0]) {
            names.emplace(node->object, node->name);
        }
    }
    spans.clear();
    showEnd = 0;
    for (const NDemo::Showing& showing : demo.ShownParts()) {
        const auto name = names.find(showing.part);
        spans.push_back(
            {showing.part,
             name != names.end() ? name->second : "part " + std::to_string(spans.size() + 1),
             Milliseconds(showing.from), Milliseconds(showing.to)});
        showEnd = std::max(showEnd, Milliseconds(showing.to));
    }
}

const PartSpan* PartGuide::Of(const NPart* part) const {
    for (const PartSpan& span : spans) {
        if (span.part == part) {
            return &span;
        }
    }
    return nullptr;
}

const PartSpan* PartGuide::Find(const std::string& name) const {
    for (const PartSpan& span : spans) {
        if (strcasecmp(span.name.c_str(), name.c_str()) == 0) {
            return &span;
        }
    }
    return nullptr;
}

long PartGuide::PreviousStart(long milliseconds) const {
    // From the end on no part is shown, and the one before is the last.
    if (milliseconds >= showEnd && !spans.empty()) {
        return spans.back().from;
    }
    long previous = 0;
    for (size_t i = 1; i < spans.size(); ++i) {
        if (spans[i].from <= milliseconds) {
            previous = spans[i - 1].from;
        }
    }
    return previous;
}

long PartGuide::NextStart(long milliseconds) const {
    for (const PartSpan& span : spans) {
        if (span.from > milliseconds) {
            return span.from;
        }
    }
    return showEnd;
}
