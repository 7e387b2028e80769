// Window titles and class names compared the way the Display Properties
// search compares them: whole strings, ASCII letters in either case.
#pragma once

// True when both texts have the same length and agree character by character,
// 'A'..'Z' matching 'a'..'z'. Other bytes (accented letters of a code page)
// must be equal as they stand.
bool SameTextIgnoringAsciiCase(const char* a, const char* b);
