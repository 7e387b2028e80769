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
