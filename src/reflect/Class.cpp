#include "reflect/Class.h"

#include <typeinfo>

#include "base/Con.h"
#include "reflect/ObjectList.h"
#include "reflect/Registry.h"

NClass::~NClass() {
    ObjectList.Forget(this);
}

NClass* NClass::Create() {
    Con.Error("NClass: Create() unimplemented in class <%s>", GetClassName(this));
    return nullptr;
}

void NListNodeClass::SetParent(NListNodeClass* node) {
    if (!node) {
        prev = nullptr;
        next = nullptr;
        return;
    }
    prev = node;
    next = node->next;
    node->next = this;
    if (next) {
        next->prev = this;
    }
}

void NTreeNodeClass::SetParent(NTreeNodeClass* newParent) {
    parent = newParent;
    firstChild = nullptr;
    prev = nullptr;
    if (!newParent) {
        next = nullptr;
        return;
    }
    next = newParent->firstChild;
    if (next && next->prev) {
        Con.PrintLine("Node: invalid tree (parent)");
        return;
    }
    if (next) {
        next->prev = this;
    }
    newParent->firstChild = this;
}

void NTreeNodeClass::LinkAfter(NTreeNodeClass* sibling) {
    firstChild = nullptr;
    prev = sibling;
    if (!sibling) {
        parent = nullptr;
        next = nullptr;
        return;
    }
    parent = sibling->parent;
    next = sibling->next;
    if (next && next->prev != sibling) {
        Con.Print("Node: invalid tree (prev)");
        return;
    }
    if (next) {
        next->prev = this;
    }
    sibling->next = this;
}

void InitList(NListNodeClass* root) {
    for (NListNodeClass* node = root; node; node = node->next) {
        if (node->prev) {
            node->Init();
        }
    }
}

namespace {

template <void (NClass::*step)()>
void WalkTree(NTreeNodeClass* node) {
    for (; node; node = node->next) {
        if (node->parent) {
            (node->*step)();
        }
        WalkTree<step>(node->firstChild);
    }
}

}  // namespace

void InitTree(NTreeNodeClass* root) {
    WalkTree<&NClass::Init>(root);
}

void UpdateTree(NTreeNodeClass* root) {
    WalkTree<&NClass::Update>(root);
}
