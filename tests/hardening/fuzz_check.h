// What every fuzz target shares: a property check that stops the run with the
// failed condition (libFuzzer then keeps the input as a crash artifact), and a
// reader that takes fixed-size fields from the front of the input.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#define FUZZ_CHECK(condition)                                                                   \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                       \
        }                                                                                       \
    } while (0)

namespace fuzz {

class ByteReader {
public:
    ByteReader(const uint8_t* data, std::size_t size) : data(data), size(size) {}

    std::size_t Left() const { return size; }

    // The next byte, or 0 when the input is used up.
    uint8_t Byte()
    {
        if (size == 0)
            return 0;
        uint8_t value = *data;
        ++data;
        --size;
        return value;
    }

    // Little-endian fields; missing bytes read as 0.
    uint16_t Uint16()
    {
        uint16_t low = Byte();
        uint16_t high = Byte();
        return static_cast<uint16_t>(low | (high << 8));
    }
    uint32_t Uint32()
    {
        uint32_t low = Uint16();
        uint32_t high = Uint16();
        return low | (high << 16);
    }

    // Up to the next zero byte (which is consumed) or the end of the input.
    const uint8_t* Segment(std::size_t* length)
    {
        const uint8_t* start = data;
        const void* zero = size == 0 ? nullptr : std::memchr(data, 0, size);
        std::size_t n = zero == nullptr ? size : static_cast<std::size_t>(static_cast<const uint8_t*>(zero) - data);
        *length = n;
        data += n;
        size -= n;
        if (size > 0) {
            ++data;
            --size;
        }
        return start;
    }

    // Everything that is left.
    const uint8_t* Rest(std::size_t* length)
    {
        const uint8_t* start = data;
        *length = size;
        data += size;
        size = 0;
        return start;
    }

private:
    const uint8_t* data;
    std::size_t size;
};

}  // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);
