#pragma once
// The test that the formatters and the parsers share: whether a value lies inside its buffer.

#include <cstdint>

// Widened to 64 bits so that an address near the 32-bit limits cannot wrap into the buffer.
inline bool FitsInside(int32_t Size, int32_t Addr, int64_t Width)
{
    return Addr >= 0 && int64_t{Addr} + Width - 1 < Size;
}
