#include "document/DocNode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Con.h"
#include "base/OwnedText.h"

namespace {

DocNode* NewNode(const char* name) {
    DocNode* node = new DocNode;
    node->className = CopyText(name);
    return node;
}

// The children's names along `next`, checking that `prev` and `parent` agree.
std::string Children(const DocNode& node) {
    std::string names;
    const DocNode* previous = nullptr;
    for (const DocNode* child = node.firstChild; child; child = child->next) {
        EXPECT_EQ(child->prev, previous);
        EXPECT_EQ(child->parent, &node);
        names += child->className;
        previous = child;
    }
    return names;
}

// Deletes a node taken out with Unlink, whose own links are stale.
void Discard(DocNode* node) {
    node->prev = nullptr;
    node->next = nullptr;
    node->parent = nullptr;
    node->firstChild = nullptr;
    delete node;
}

// A parent with children a, b, c in that order.
void LinkThree(DocNode* parent) {
    for (const char* name : {"c", "b", "a"}) {
        ASSERT_EQ(LinkFirstChild(NewNode(name), parent), 0);
    }
}

}  // namespace

TEST(DocNode, ChildrenLinkedFirstReadInReverseUntilReversed) {
    DocNode root;
    for (const char* name : {"a", "b", "c"}) {
        LinkFirstChild(NewNode(name), &root);
    }
    EXPECT_EQ(Children(root), "cba");
    ReverseChildren(&root);
    EXPECT_EQ(Children(root), "abc");
    DeleteChildren(&root);
    EXPECT_EQ(root.firstChild, nullptr);
}

TEST(DocNode, UnlinkingALeafClosesTheGap) {
    DocNode root;
    LinkThree(&root);
    DocNode* a = root.firstChild;
    DocNode* b = a->next;
    EXPECT_EQ(Unlink(b), 0);
    EXPECT_EQ(Children(root), "ac");
    EXPECT_EQ(b->prev, a);  // its own links stay as they were
    Discard(b);
    EXPECT_EQ(Unlink(a), 0);
    EXPECT_EQ(Children(root), "c");
    Discard(a);
    DeleteChildren(&root);
}

TEST(DocNode, UnlinkingAnInnerNodeSplicesItsChildrenIntoItsPlace) {
    DocNode root;
    LinkThree(&root);
    DocNode* a = root.firstChild;
    LinkThree(a);
    delete a;  // deleting unlinks first
    EXPECT_EQ(Children(root), "abcbc");
    DocNode* b = root.firstChild->next;
    LinkThree(b);
    EXPECT_EQ(Unlink(b), 0);
    EXPECT_EQ(Children(root), "aabccbc");
    Discard(b);
    DeleteChildren(&root);
}

TEST(DocNode, InconsistentTreesAreReportedAndLeftUnchanged) {
    Con.EnableBuffer(true);
    DocNode root;
    LinkThree(&root);
    DocNode* b = root.firstChild->next;
    LinkThree(b);
    b->firstChild->next->parent = &root;  // each break is undone after its refusal
    EXPECT_EQ(Unlink(b), 1);
    b->firstChild->next->parent = b;
    b->prev = b->next;
    EXPECT_EQ(Unlink(b), 1);
    b->prev = root.firstChild;
    b->firstChild->prev = b;
    DocNode* refused = NewNode("x");
    EXPECT_EQ(LinkFirstChild(refused, b), 1);
    b->firstChild->prev = nullptr;
    delete refused;
    EXPECT_STREQ(Con.BufferText(),
                 "NTreeNode: Unlink(): children: invalid tree\r\n"
                 "NtreeNode: Unlink(): prev: invalid tree\r\n"
                 "NTreeNode: invalid tree (parent)\r\n");
    EXPECT_EQ(Con.ErrorCount(), 0);
    EXPECT_EQ(Children(root), "abc");
    EXPECT_EQ(Children(*b), "abc");
    DeleteChildren(&root);
}

TEST(DocNode, DeletingAVeryDeepTreeNeedsNoRecursion) {
    DocNode root;
    DocNode* parent = &root;
    for (int i = 0; i < 200000; ++i) {
        DocNode* child = new DocNode;
        LinkFirstChild(child, parent);
        parent = child;
    }
    DeleteChildren(&root);
    EXPECT_EQ(root.firstChild, nullptr);
}
