// Fuzz target: a sequence of display modes as a driver might report them, to
// the filtered, height-sorted mode list, its cursor walk and ModeForIndex.
//
// Input: a 32-bit position, then records of a flags byte and a width and
// height, 16-bit each, or 32-bit each when the flags byte has bit 0x80.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "saver/display/mode_list.h"
#include "tests/hardening/fuzz_check.h"

namespace {

struct Mode {
    int32_t width;
    int32_t height;
};

// The list must be a well-formed NodeList: links both ways, head, tail, count.
void CheckLinks(const NodeList& list)
{
    int32_t count = 0;
    ListNode* previous = nullptr;
    for (ListNode* node = list.head; node != nullptr; node = node->next) {
        FUZZ_CHECK(node->prev == previous);
        previous = node;
        ++count;
        FUZZ_CHECK(count <= list.count);
    }
    FUZZ_CHECK(list.tail == previous);
    FUZZ_CHECK(count == list.count);
}

// ModeForIndex's rule over the sorted modes, written out plainly.
ModeChoice Model(const std::vector<Mode>& modes, int32_t position)
{
    if (position >= 0 && static_cast<std::size_t>(position) < modes.size())
        return {modes[position].width, modes[position].height, position, false};
    ModeChoice best{100000, 100000, 0, true};
    for (std::size_t i = 0; i < modes.size(); ++i) {
        if (modes[i].width <= best.width && modes[i].height <= best.height)
            best = {modes[i].width, modes[i].height, static_cast<int32_t>(i), true};
    }
    return best;
}

void CheckChoice(const std::vector<Mode>& modes, int32_t position)
{
    ModeChoice choice = ModeForIndex(position);
    ModeChoice model = Model(modes, position);
    FUZZ_CHECK(choice.width == model.width && choice.height == model.height);
    FUZZ_CHECK(choice.position == model.position && choice.corrected == model.corrected);
    // Whatever it picks is a real entry of the list, unless no entry is within
    // 100000 x 100000 (then nothing was picked and position 0 stands).
    FUZZ_CHECK(choice.position >= 0);
    if (!modes.empty()) {
        FUZZ_CHECK(static_cast<std::size_t>(choice.position) < modes.size());
        const Mode& named = modes[choice.position];
        bool picked = named.width == choice.width && named.height == choice.height;
        bool nothingSmall = std::none_of(modes.begin(), modes.end(), [](const Mode& m) {
            return m.width <= 100000 && m.height <= 100000;
        });
        FUZZ_CHECK(picked || (choice.corrected && nothingSmall));
    } else {
        FUZZ_CHECK(choice.width == 100000 && choice.height == 100000 && choice.corrected);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    fuzz::ByteReader input(data, size);
    int32_t position = static_cast<int32_t>(input.Uint32());

    ClearModeList();
    std::vector<Mode> kept;
    while (input.Left() > 0) {
        uint8_t flags = input.Byte();
        uint32_t width = flags & 0x80 ? input.Uint32() : input.Uint16();
        uint32_t height = flags & 0x80 ? input.Uint32() : input.Uint16();
        FUZZ_CHECK(AddEnumeratedMode(flags, width, height));
        if (flags & PixelFormatPaletteIndexed8)
            kept.push_back({static_cast<int32_t>(width), static_cast<int32_t>(height)});
    }
    CheckLinks(ModeList);
    FUZZ_CHECK(ModeList.Count() == static_cast<int32_t>(kept.size()));

    SortModeList();
    CheckLinks(ModeList);
    std::stable_sort(kept.begin(), kept.end(), [](const Mode& a, const Mode& b) { return a.height < b.height; });

    // The cursor walk gives exactly the stable order by height, with each text.
    std::size_t i = 0;
    for (DisplayMode* mode = FirstMode(); mode != nullptr; mode = NextMode(), ++i) {
        FUZZ_CHECK(i < kept.size());
        FUZZ_CHECK(mode->width == kept[i].width && mode->height == kept[i].height);
        char text[32];
        std::snprintf(text, sizeof text, "%dx%d", static_cast<int>(mode->width), static_cast<int>(mode->height));
        FUZZ_CHECK(std::strcmp(mode->text, text) == 0);
    }
    FUZZ_CHECK(i == kept.size());
    FUZZ_CHECK(NextMode() == nullptr);

    // The load raises a negative Resolution to 0 first; the rule itself is
    // checked for any position.
    int32_t count = static_cast<int32_t>(kept.size());
    for (int32_t p : {position, position < 0 ? 0 : position, 0, count - 1, count, INT32_MAX, 9999})
        CheckChoice(kept, p);

    ClearModeList();
    FUZZ_CHECK(ModeList.Count() == 0 && FirstMode() == nullptr);
    return 0;
}
