#include "document/DocNode.h"

#include "base/Con.h"
#include "base/OwnedText.h"

namespace {

// The links of a node whose place in the tree has been given up.
void ForgetLinks(DocNode* node) {
    node->prev = nullptr;
    node->next = nullptr;
    node->parent = nullptr;
    node->firstChild = nullptr;
}

DocNode* LastChild(DocNode* node) {
    DocNode* last = node->firstChild;
    while (last && last->next) {
        last = last->next;
    }
    return last;
}

int UnlinkLeaf(DocNode* node) {
    if (node->prev && node->prev->next != node) {
        Con.PrintLine("NTreeNode: Unlink(): prev: invalid tree");
        return 1;
    }
    if (node->next && node->next->prev != node) {
        Con.PrintLine("NTreeNode: Unlink(): next: invalid tree");
        return 1;
    }
    if (node->prev) {
        node->prev->next = node->next;
    }
    if (node->next) {
        node->next->prev = node->prev;
    }
    if (node->parent && node->parent->firstChild == node) {
        node->parent->firstChild = node->next;
    }
    return 0;
}

// Every check comes before the first change, so a refusal leaves the tree intact.
int UnlinkInnerNode(DocNode* node) {
    for (DocNode* child = node->firstChild; child; child = child->next) {
        if (child->parent != node) {
            Con.PrintLine("NTreeNode: Unlink(): children: invalid tree");
            return 1;
        }
    }
    if (node->prev && node->prev->next != node) {
        Con.PrintLine("NtreeNode: Unlink(): prev: invalid tree");
        return 1;
    }
    if (node->next && node->next->prev != node) {
        Con.PrintLine("NTreeNode: Unlink(): next: invalid tree");
        return 1;
    }
    for (DocNode* child = node->firstChild; child; child = child->next) {
        child->parent = node->parent;
    }
    DocNode* first = node->firstChild;
    DocNode* last = LastChild(node);
    if (node->prev) {
        node->prev->next = first;
    }
    first->prev = node->prev;
    if (node->next) {
        node->next->prev = last;
    }
    last->next = node->next;
    if (node->parent && node->parent->firstChild == node) {
        node->parent->firstChild = first;
    }
    return 0;
}

}  // namespace

DocNode::~DocNode() {
    Unlink(this);
    ResetContent();
}

void DocNode::ResetContent() {
    FreeText(className);
    FreeText(name);
    FreeText(role);
    FreeText(time);
    FreeText(value);
    container = kContainerNone;
    valueType = NoClass;
    object = nullptr;
    childFailed = false;
    line = 0;
}

int LinkFirstChild(DocNode* node, DocNode* parent) {
    node->parent = parent;
    node->firstChild = nullptr;
    node->prev = nullptr;
    node->next = nullptr;
    if (!parent) {
        return 0;
    }
    DocNode* first = parent->firstChild;
    if (first && first->prev) {
        Con.PrintLine("NTreeNode: invalid tree (parent)");
        return 1;
    }
    node->next = first;
    if (first) {
        first->prev = node;
    }
    parent->firstChild = node;
    return 0;
}

void ReverseChildren(DocNode* node) {
    DocNode* child = node->firstChild;
    DocNode* last = nullptr;
    while (child) {
        DocNode* following = child->next;
        child->next = child->prev;
        child->prev = following;
        last = child;
        child = following;
    }
    node->firstChild = last;
}

int Unlink(DocNode* node) {
    return node->firstChild ? UnlinkInnerNode(node) : UnlinkLeaf(node);
}

// Each deleted child's own children are spliced into its place and deleted in
// turn, so the loop reaches the whole subtree. An inconsistent tree stops it
// rather than deleting a node twice.
void DeleteChildren(DocNode* node) {
    while (DocNode* child = node->firstChild) {
        if (Unlink(child) != 0) {
            return;
        }
        ForgetLinks(child);
        delete child;
    }
}
