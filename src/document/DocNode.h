// One element of a loaded document: its name, the four recognised attributes, its
// character data, and its place in the tree.
#pragma once

#include <cstdint>

#include "reflect/ClassIndex.h"
#include "reflect/ContainerKind.h"

class NClass;

struct DocNode {
    DocNode() = default;
    // Unlinks the node first: its children take its place among its siblings.
    ~DocNode();
    DocNode(const DocNode&) = delete;
    DocNode& operator=(const DocNode&) = delete;

    // Frees the texts and returns every field but the links to its new state.
    void ResetContent();

    DocNode* prev = nullptr;
    DocNode* next = nullptr;
    DocNode* parent = nullptr;
    DocNode* firstChild = nullptr;
    char* className = nullptr;  // the element name: a class or basic type name
    char* name = nullptr;
    char* role = nullptr;
    char* time = nullptr;
    uint32_t container = kContainerNone;
    int valueType = NoClass;   // kTypeString once character data was read
    NClass* object = nullptr;  // set by the compiler, not owned
    char* value = nullptr;     // the character data, "<blank>" when there was none
    bool childFailed = false;
    // The line of the element's start tag in its file, so that messages about it can
    // say where it is; 0 for a node not read from a file.
    int line = 0;
    // The node's place in document order and the end of its subtree, numbered by
    // the compiler so that name lookups need not walk the tree.
    int order = 0;
    int subtreeEnd = 0;
};

// The most messages one load or one compile logs before it stops: past them an
// author learns nothing new, and a document of a few kilobytes could fill the disk.
constexpr int kMaxDocumentMessages = 1000;

// The value of an element without character data.
constexpr const char kBlankValue[] = "<blank>";
// The dialect's own element names: the root element, and the key of a keyframed
// value, which names no class.
constexpr const char kRootElement[] = "Nimbus";
constexpr const char kKeyElement[] = "Key";

// Makes `node` (which has no children) the first child of `parent`. 1 when the
// tree is inconsistent (the first child has a prev); the link is not made then.
int LinkFirstChild(DocNode* node, DocNode* parent);
// Reverses the order of the node's children. Children are linked first while
// reading, so this restores document order.
void ReverseChildren(DocNode* node);
// Takes the node out of the tree; its children take its place, in their order.
// The node's own links are left as they were. 1 on an inconsistent tree, which
// is then left unchanged.
int Unlink(DocNode* node);
// Deletes the whole subtree below `node`, without recursion.
void DeleteChildren(DocNode* node);
