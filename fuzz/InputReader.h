#pragma once
// Reads a fuzzer's input front to back as a sequence of choices; missing bytes read as 0.

#include <cstddef>
#include <cstdint>
#include <string>

class TInputReader {
public:
    TInputReader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    uint8_t Byte() { return m_position < m_size ? m_data[m_position++] : 0; }

    // Mostly small values around a buffer, sometimes any 32-bit value, so that both the edges of
    // the buffer and the ends of the integer range are reached.
    int32_t Number()
    {
        const uint8_t selector = Byte();
        if (selector < 0xF0)
            return static_cast<int32_t>(selector % 40) - 12;
        uint32_t wide = 0;
        for (int k = 0; k < 4; ++k)
            wide |= static_cast<uint32_t>(Byte()) << (8 * k);
        return static_cast<int32_t>(wide);
    }

    std::string Rest()
    {
        std::string rest(reinterpret_cast<const char*>(m_data + m_position), m_size - m_position);
        m_position = m_size;
        return rest;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_position = 0;
};
