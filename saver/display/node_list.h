// NodeList: a doubly linked list of heap nodes that begin with their links.
// It only links nodes; whoever creates a node allocates it and owns it.
#pragma once
#include <cstdint>

struct ListNode {
    ListNode* next;  // toward the tail
    ListNode* prev;  // toward the head
};

struct NodeList {
    ListNode* head;
    ListNode* tail;
    int32_t count;

    void Reset();                  // forgets every node; the nodes are left alone
    void Append(ListNode* node);   // links node at the tail
    void Unlink(ListNode* node);   // takes node (which must be linked here) out
    static ListNode* Next(ListNode* node);  // null for a null node
    int32_t Count() const { return count; }
};

// Deletes every node of list as the Node type it was allocated as, then
// empties the list: the one clean-up of the lists that own their nodes.
template <class Node>
void DeleteAllNodes(NodeList& list)
{
    ListNode* node = list.head;
    while (node != nullptr) {
        ListNode* next = node->next;
        delete static_cast<Node*>(node);
        node = next;
    }
    list.Reset();
}
