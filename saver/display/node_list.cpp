// NodeList: linking and unlinking only; nodes are never allocated or freed here.
#include "saver/display/node_list.h"

void NodeList::Reset()
{
    head = nullptr;
    tail = nullptr;
    count = 0;
}

void NodeList::Append(ListNode* node)
{
    if (head == nullptr) {
        head = tail = node;
        node->next = node->prev = nullptr;
    } else {
        node->prev = tail;
        tail->next = node;
        tail = node;
        node->next = nullptr;
    }
    count += 1;
}

void NodeList::Unlink(ListNode* node)
{
    if (node == head && node == tail) {
        head = tail = nullptr;
    } else if (node == head) {
        if (node->next != nullptr)
            node->next->prev = nullptr;
        head = node->next;
    } else if (node == tail) {
        if (node->prev != nullptr)
            node->prev->next = nullptr;
        tail = node->prev;
    } else {
        if (node->prev != nullptr)
            node->prev->next = node->next;
        if (node->next != nullptr)
            node->next->prev = node->prev;
    }
    node->next = node->prev = nullptr;
    count -= 1;
}

ListNode* NodeList::Next(ListNode* node)
{
    return node == nullptr ? nullptr : node->next;
}
