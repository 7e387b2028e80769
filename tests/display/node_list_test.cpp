// NodeList: the links after Append and after Unlink of the only, first, last and a middle node.
#include "saver/display/node_list.h"

#include <gtest/gtest.h>

namespace {

struct NodeListTest : ::testing::Test {
    NodeList list{};
    ListNode a{}, b{}, c{};

    void AppendAll()
    {
        list.Append(&a);
        list.Append(&b);
        list.Append(&c);
    }
};

TEST_F(NodeListTest, AppendLinksInOrder)
{
    AppendAll();
    EXPECT_EQ(list.head, &a);
    EXPECT_EQ(list.tail, &c);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(a.prev, nullptr);
    EXPECT_EQ(a.next, &b);
    EXPECT_EQ(b.prev, &a);
    EXPECT_EQ(b.next, &c);
    EXPECT_EQ(c.prev, &b);
    EXPECT_EQ(c.next, nullptr);
    EXPECT_EQ(NodeList::Next(&c), nullptr);
    EXPECT_EQ(NodeList::Next(nullptr), nullptr);
}

TEST_F(NodeListTest, UnlinkOnlyNodeEmptiesTheList)
{
    list.Append(&a);
    list.Unlink(&a);
    EXPECT_EQ(list.head, nullptr);
    EXPECT_EQ(list.tail, nullptr);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(a.next, nullptr);
    EXPECT_EQ(a.prev, nullptr);
}

TEST_F(NodeListTest, UnlinkHead)
{
    AppendAll();
    list.Unlink(&a);
    EXPECT_EQ(list.head, &b);
    EXPECT_EQ(b.prev, nullptr);
    EXPECT_EQ(list.tail, &c);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(a.next, nullptr);
}

TEST_F(NodeListTest, UnlinkTail)
{
    AppendAll();
    list.Unlink(&c);
    EXPECT_EQ(list.tail, &b);
    EXPECT_EQ(b.next, nullptr);
    EXPECT_EQ(list.head, &a);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(c.prev, nullptr);
}

TEST_F(NodeListTest, UnlinkMiddle)
{
    AppendAll();
    list.Unlink(&b);
    EXPECT_EQ(a.next, &c);
    EXPECT_EQ(c.prev, &a);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(b.next, nullptr);
    EXPECT_EQ(b.prev, nullptr);
}

TEST_F(NodeListTest, ResetForgetsNodesButKeepsTheirLinks)
{
    AppendAll();
    list.Reset();
    EXPECT_EQ(list.head, nullptr);
    EXPECT_EQ(list.tail, nullptr);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(a.next, &b);  // nodes are the owner's business
    list.Append(&c);
    EXPECT_EQ(list.head, &c);
    EXPECT_EQ(c.prev, nullptr);
    EXPECT_EQ(c.next, nullptr);
}

}  // namespace
