#include "reflect/Class.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/Con.h"
#include "reflect/String.h"

namespace {

struct Counted : NListNodeClass {
    explicit Counted(std::vector<int>* log, int id) : log(log), id(id) {}
    void Init() override { log->push_back(id); }
    std::vector<int>* log;
    int id;
};

struct TreeCounted : NTreeNodeClass {
    explicit TreeCounted(std::vector<int>* log, int id) : log(log), id(id) {}
    void Init() override { log->push_back(id); }
    void Update() override { log->push_back(-id); }
    std::vector<int>* log;
    int id;
};

}  // namespace

TEST(ListNode, EachNewNodeGoesFirstAfterTheRoot) {
    std::vector<int> log;
    Counted root(&log, 0), first(&log, 1), second(&log, 2), third(&log, 3);
    first.SetParent(&root);
    second.SetParent(&root);
    third.SetParent(&root);
    EXPECT_EQ(root.next, &third);
    EXPECT_EQ(third.next, &second);
    EXPECT_EQ(second.next, &first);
    EXPECT_EQ(first.prev, &second);
    InitList(&root);
    EXPECT_EQ(log, (std::vector<int>{3, 2, 1}));
}

TEST(TreeNode, ChildrenRunInReverseAndWalksGoParentsFirst) {
    std::vector<int> log;
    TreeCounted root(&log, 0), a(&log, 1), b(&log, 2), a1(&log, 11), a2(&log, 12);
    a.SetParent(&root);
    b.SetParent(&root);
    a1.SetParent(&a);
    a2.SetParent(&a);
    InitTree(&root);
    EXPECT_EQ(log, (std::vector<int>{2, 1, 12, 11}));
    log.clear();
    UpdateTree(&root);
    EXPECT_EQ(log, (std::vector<int>{-2, -1, -12, -11}));
}

TEST(TreeNode, LinkAfterPutsANodeBetweenSiblings) {
    std::vector<int> log;
    TreeCounted root(&log, 0), a(&log, 1), b(&log, 2), c(&log, 3);
    a.SetParent(&root);
    b.LinkAfter(&a);
    c.LinkAfter(&a);
    InitTree(&root);
    EXPECT_EQ(log, (std::vector<int>{1, 3, 2}));
    EXPECT_EQ(b.prev, &c);
}

TEST(TreeNode, InconsistentLinksAreReportedAndLeftAlone) {
    Con.EnableBuffer(true);
    NTreeNodeClass root, a, b, stray;
    a.SetParent(&root);
    a.prev = &stray;  // the first child claims a predecessor
    b.SetParent(&root);
    EXPECT_EQ(root.firstChild, &a);
    NTreeNodeClass c, d;
    a.next = &c;  // c does not point back at a
    d.LinkAfter(&a);
    EXPECT_EQ(a.next, &c);
    EXPECT_STREQ(Con.BufferText(), "Node: invalid tree (parent)\r\nNode: invalid tree (prev)");
}

TEST(String, SetJoinsCopiesAndAcceptsItsOwnText) {
    NString text("a");
    text.Set(text.Get(), "b");
    EXPECT_STREQ(text.Get(), "ab");
    text.Set(text.Get(), nullptr);
    EXPECT_STREQ(text.Get(), "ab");
    text.Set(nullptr, "c");
    EXPECT_STREQ(text.Get(), "c");
    text.Set(nullptr, nullptr);
    EXPECT_STREQ(text.Get(), "c");
    NString empty;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_TRUE(NString("").IsEmpty());
    NString copy(text);
    EXPECT_STREQ(copy.Get(), "c");
    EXPECT_STREQ(Concat(NString("x"), NString("y")).Get(), "xy");
    EXPECT_STREQ(Concat(NString("p"), NString()).Get(), "p");
}

TEST(Class, DefaultCreateIsUnimplemented) {
    Con.EnableBuffer(true);
    NClass base;
    EXPECT_EQ(base.Create(), nullptr);
    EXPECT_EQ(Con.ErrorCount(), 2);  // the class is not found, then the error itself
}
