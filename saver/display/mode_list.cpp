// The display-mode list: filter, stable height sort, cursor walk, ModeForIndex.
#include "saver/display/mode_list.h"

#include <cstdio>
#include <new>

NodeList ModeList;
static DisplayMode* ModeCursor;

static DisplayMode* AsMode(ListNode* node)
{
    return static_cast<DisplayMode*>(node);
}

void ClearModeList()
{
    DeleteAllNodes<DisplayMode>(ModeList);
    // The cursor may point at a freed node; the next walk starts with FirstMode.
    ModeCursor = nullptr;
}

bool AddEnumeratedMode(uint32_t pixelFormatFlags, uint32_t width, uint32_t height)
{
    if ((pixelFormatFlags & PixelFormatPaletteIndexed8) == 0)
        return true;
    DisplayMode* mode = new (std::nothrow) DisplayMode{};
    if (mode == nullptr)
        return false;
    mode->width = static_cast<int32_t>(width);
    mode->height = static_cast<int32_t>(height);
    std::snprintf(mode->text, sizeof mode->text, "%dx%d", mode->width, mode->height);
    ModeList.Append(mode);
    return true;
}

void SortModeList()
{
    // Selection by repeated minimum: the first of equal heights is taken first,
    // so the driver's order survives among equal heights.
    NodeList sorted{};
    while (ModeList.head != nullptr) {
        DisplayMode* pick = AsMode(ModeList.head);
        for (ListNode* node = pick->next; node != nullptr; node = node->next) {
            if (AsMode(node)->height < pick->height)
                pick = AsMode(node);
        }
        ModeList.Unlink(pick);
        sorted.Append(pick);
    }
    while (sorted.head != nullptr) {
        ListNode* node = sorted.head;
        sorted.Unlink(node);
        ModeList.Append(node);
    }
}

DisplayMode* FirstMode()
{
    if (ModeList.head == nullptr)
        return nullptr;
    ModeCursor = AsMode(ModeList.head);
    return ModeCursor;
}

DisplayMode* NextMode()
{
    if (ModeList.head == nullptr || ModeCursor == nullptr)
        return nullptr;
    ModeCursor = AsMode(NodeList::Next(ModeCursor));
    return ModeCursor;
}

ModeChoice ModeForIndex(int32_t position)
{
    ModeChoice best{100000, 100000, 0, true};
    int32_t p = 0;
    for (DisplayMode* mode = FirstMode(); mode != nullptr; mode = NextMode()) {
        if (mode->width <= best.width && mode->height <= best.height) {
            best.width = mode->width;
            best.height = mode->height;
            best.position = p;
        }
        if (p == position)
            return ModeChoice{mode->width, mode->height, position, false};
        p += 1;
    }
    return best;
}
