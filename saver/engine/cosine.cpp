// Cosine by reduction to [-pi/4, pi/4] with pi/2 split into three parts
// (Cody and Waite), then minimax polynomials for sin and cos on that range,
// carrying the reduction's rounding error as a tail. The coefficients are the
// classic double-precision ones for these two kernels.
#include "saver/engine/cosine.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr double InvPio2 = 6.36619772367581382433e-01;   // 2 / pi
constexpr double Pio2Part1 = 1.57079632673412561417e+00;  // first 33 bits of pi/2
constexpr double Pio2Tail1 = 6.07710050650619224932e-11;  // pi/2 - Pio2Part1
constexpr double Pio2Part2 = 6.07710050630396597660e-11;  // next 33 bits
constexpr double Pio2Tail2 = 2.02226624879595063154e-21;
constexpr double Pio2Part3 = 2.02226624871116645580e-21;  // next 33 bits
constexpr double Pio2Tail3 = 8.47842766036889956997e-32;

constexpr double C1 = 4.16666666666666019037e-02;
constexpr double C2 = -1.38888888888741095749e-03;
constexpr double C3 = 2.48015872894767294178e-05;
constexpr double C4 = -2.75573143513906633035e-07;
constexpr double C5 = 2.08757232129817482790e-09;
constexpr double C6 = -1.13596475577881948265e-11;

constexpr double S1 = -1.66666666666666324348e-01;
constexpr double S2 = 8.33333333332248946124e-03;
constexpr double S3 = -1.98412698298579493134e-04;
constexpr double S4 = 2.75573137070700676789e-06;
constexpr double S5 = -2.50507602534068634195e-08;
constexpr double S6 = 1.58969099521155010221e-10;

uint32_t HighWord(double x)
{
    uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return static_cast<uint32_t>(bits >> 32);
}

double FromHighWord(uint32_t high)
{
    uint64_t bits = static_cast<uint64_t>(high) << 32;
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// cos(x + y) for |x| <= pi/4, y the tail of x.
double KernelCos(double x, double y)
{
    uint32_t ix = HighWord(x) & 0x7FFFFFFFu;
    if (ix < 0x3E400000u)  // |x| < 2^-27: cos is 1 to double precision
        return 1.0;
    double z = x * x;
    double r = z * (C1 + z * (C2 + z * (C3 + z * (C4 + z * (C5 + z * C6)))));
    if (ix < 0x3FD33333u)  // |x| < 0.3
        return 1.0 - (0.5 * z - (z * r - x * y));
    // Take a quarter of x^2 / 2 (or 0.28125 above 0.78125) out of the
    // subtraction first, so that 1 - x^2/2 loses no bits.
    double qx = ix > 0x3FE90000u ? 0.28125 : FromHighWord(ix - 0x00200000u);
    double hz = 0.5 * z - qx;
    double a = 1.0 - qx;
    return a - (hz - (z * r - x * y));
}

// sin(x + y) for |x| <= pi/4, y the tail of x.
double KernelSin(double x, double y)
{
    double z = x * x;
    double v = z * x;
    double r = S2 + z * (S3 + z * (S4 + z * (S5 + z * S6)));
    return x - ((z * (0.5 * y - v * r) - y) - v * S1);
}

// x = n * pi/2 + (head + tail) with |head + tail| <= pi/4; returns n.
int32_t ReduceByHalfPi(double x, double* head, double* tail)
{
    bool negative = x < 0.0;
    double t = negative ? -x : x;
    int32_t n = static_cast<int32_t>(t * InvPio2 + 0.5);
    double fn = static_cast<double>(n);
    double r = t - fn * Pio2Part1;
    double w = fn * Pio2Tail1;
    double y0 = r - w;
    int32_t exponent = static_cast<int32_t>(HighWord(t) >> 20);
    int32_t lost = exponent - static_cast<int32_t>((HighWord(y0) >> 20) & 0x7FFu);
    if (lost > 16) {
        // Cancellation ate more than 16 bits: use the next part of pi/2.
        double previous = r;
        w = fn * Pio2Part2;
        r = previous - w;
        w = fn * Pio2Tail2 - ((previous - r) - w);
        y0 = r - w;
        lost = exponent - static_cast<int32_t>((HighWord(y0) >> 20) & 0x7FFu);
        if (lost > 49) {
            previous = r;
            w = fn * Pio2Part3;
            r = previous - w;
            w = fn * Pio2Tail3 - ((previous - r) - w);
            y0 = r - w;
        }
    }
    double y1 = (r - y0) - w;
    if (negative) {
        *head = -y0;
        *tail = -y1;
        return -n;
    }
    *head = y0;
    *tail = y1;
    return n;
}

}  // namespace

double Cosine(double x)
{
    uint32_t ix = HighWord(x) & 0x7FFFFFFFu;
    if (ix <= 0x3FE921FBu)  // |x| <= pi/4
        return KernelCos(x, 0.0);
    double head;
    double tail;
    int32_t n = ReduceByHalfPi(x, &head, &tail);
    switch (static_cast<uint32_t>(n) & 3u) {
    case 0:
        return KernelCos(head, tail);
    case 1:
        return -KernelSin(head, tail);
    case 2:
        return -KernelCos(head, tail);
    default:
        return KernelSin(head, tail);
    }
}
