// Whole-string comparison that folds only ASCII letters, independent of the
// system's locale (a title in another language must not match by accident).
#include "setup/text_match.h"

static unsigned char FoldAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool SameTextIgnoringAsciiCase(const char* a, const char* b)
{
    if (a == nullptr || b == nullptr)
        return a == b;
    for (;; ++a, ++b) {
        unsigned char x = FoldAscii(static_cast<unsigned char>(*a));
        unsigned char y = FoldAscii(static_cast<unsigned char>(*b));
        if (x != y)
            return false;
        if (x == '\0')
            return true;
    }
}
