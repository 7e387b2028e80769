// The cosine of the smooth waves, computed with plain IEEE double operations
// only, so that every build (the host's SSE2 and the 32-bit build's x87 set
// to 53-bit precision) gets the same bits, whatever its C library does.
#pragma once

// cos(x) to within one unit in the last place, for |x| below about 2^19 * pi/2
// (the smooth waves use 0 <= x < 8 pi).
double Cosine(double x);
