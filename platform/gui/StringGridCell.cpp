#include "StringGridCell.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace {

constexpr std::size_t MaxSize = std::size_t{1} << 31;

} // namespace

TCellText::TCellText(const TCellText& other)
{
    *this = other.View();
}

TCellText::TCellText(TCellText&& other) noexcept
{
    std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
    other.m_bytes[TagByte] = 0;
}

TCellText& TCellText::operator=(const TCellText& other)
{
    return *this = other.View();
}

TCellText& TCellText::operator=(TCellText&& other) noexcept
{
    if (this != &other) {
        Release();
        std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
        other.m_bytes[TagByte] = 0;
    }
    return *this;
}

TCellText::~TCellText()
{
    Release();
}

TCellText& TCellText::AssignOther(std::string_view text)
{
    if (text.size() <= LocalCapacity) {
        // The text may lie in the block that is about to go.
        char local[LocalCapacity];
        if (!text.empty())
            std::memcpy(local, text.data(), text.size());
        Release();
        SetLocal({local, text.size()});
        return *this;
    }
    if (OnHeap() && text.size() <= HeapCapacity()) {
        std::memmove(HeapData(), text.data(), text.size());
        SetHeapSize(text.size());
        return *this;
    }
    if (text.size() > MaxSize)
        throw std::length_error("cell text too long");
    // A text that outgrows the block is never a part of it.
    const std::size_t capacity = std::bit_ceil(std::max(text.size(), MinBlock));
    char* data = new char[capacity];
    std::memcpy(data, text.data(), text.size());
    Release();
    SetHeap(data, text.size(), static_cast<unsigned>(std::countr_zero(capacity)));
    return *this;
}

char* TCellText::HeapData() const noexcept
{
    char* data = nullptr;
    std::memcpy(&data, m_bytes, sizeof data);
    return data;
}

std::size_t TCellText::HeapSize() const noexcept
{
    std::uint32_t size = 0;
    std::memcpy(&size, m_bytes + 8, sizeof size);
    return size;
}

std::size_t TCellText::HeapCapacity() const noexcept
{
    return std::size_t{1} << static_cast<unsigned char>(m_bytes[12]);
}

void TCellText::SetHeap(char* data, std::size_t size, unsigned capacityExponent) noexcept
{
    std::memcpy(m_bytes, &data, sizeof data);
    m_bytes[12] = static_cast<char>(capacityExponent);
    m_bytes[TagByte] = OnHeapTag;
    SetHeapSize(size);
}

void TCellText::SetHeapSize(std::size_t size) noexcept
{
    const auto size32 = static_cast<std::uint32_t>(size);
    std::memcpy(m_bytes + 8, &size32, sizeof size32);
}

void TCellText::Release() noexcept
{
    if (OnHeap())
        delete[] HeapData();
    m_bytes[TagByte] = 0;
}
