#pragma once
// The text of one grid cell. A full dump pane has over a million cells, nearly all of them a few
// bytes long (two hexadecimal digits, a six-digit address), so a text of up to 15 bytes is kept
// in the cell itself, and the cell is 16 bytes; only a longer text takes a block of its own, which
// a later text that fits it reuses. Filling a pane then writes its cells where they are.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

class TCellText {
public:
    TCellText() noexcept = default;
    TCellText(const TCellText& other);
    TCellText(TCellText&& other) noexcept;
    TCellText& operator=(const TCellText& other);
    TCellText& operator=(TCellText&& other) noexcept;
    ~TCellText();

    // The text may be a part of this cell's own.
    TCellText& operator=(std::string_view text)
    {
        if (text.size() <= LocalCapacity && !OnHeap()) {
            SetLocal(text);
            return *this;
        }
        return AssignOther(text);
    }

    [[nodiscard]] std::string_view View() const noexcept
    {
        if (OnHeap())
            return {HeapData(), HeapSize()};
        return {m_bytes, static_cast<unsigned char>(m_bytes[TagByte])};
    }
    // So that the cell reads as a string wherever one is asked for.
    operator std::string_view() const noexcept { return View(); }
    [[nodiscard]] bool Empty() const noexcept { return View().empty(); }
    // Empties the cell but keeps a long text's block for the next long text, so that a row
    // emptied and written again costs no allocation.
    void Clear() noexcept
    {
        if (OnHeap())
            SetHeapSize(0);
        else
            m_bytes[TagByte] = 0;
    }

    static constexpr std::size_t LocalCapacity = 15;

private:
    // Bytes 0..14 hold a short text and byte 15 its length. A long text's cell holds the block's
    // address in bytes 0..7, the text's length in bytes 8..11 (0 once cleared) and the block's
    // size, a power of two, as its exponent in byte 12; byte 15 is then OnHeapTag.
    static constexpr std::size_t TagByte = 15;
    static constexpr char OnHeapTag = static_cast<char>(0x80);
    static constexpr std::size_t MinBlock = 32;

    [[nodiscard]] bool OnHeap() const noexcept { return m_bytes[TagByte] == OnHeapTag; }
    [[nodiscard]] char* HeapData() const noexcept;
    [[nodiscard]] std::size_t HeapSize() const noexcept;
    [[nodiscard]] std::size_t HeapCapacity() const noexcept;
    // A short text is moved with a few loads and stores of fixed size, rather than a call for
    // each of a million cells; every load comes before the first store, so the text may lie in
    // the cell itself.
    template <class Word>
    void MoveEnds(const char* from, std::size_t size) noexcept
    {
        Word head;
        Word tail;
        std::memcpy(&head, from, sizeof head);
        std::memcpy(&tail, from + size - sizeof tail, sizeof tail);
        std::memcpy(m_bytes, &head, sizeof head);
        std::memcpy(m_bytes + size - sizeof tail, &tail, sizeof tail);
    }
    void SetLocal(std::string_view text) noexcept
    {
        const std::size_t size = text.size();
        if (size >= 8)
            MoveEnds<std::uint64_t>(text.data(), size);
        else if (size >= 4)
            MoveEnds<std::uint32_t>(text.data(), size);
        else if (size >= 2)
            MoveEnds<std::uint16_t>(text.data(), size);
        else if (size == 1)
            m_bytes[0] = text[0];
        m_bytes[TagByte] = static_cast<char>(size);
    }
    TCellText& AssignOther(std::string_view text);
    void SetHeap(char* data, std::size_t size, unsigned capacityExponent) noexcept;
    void SetHeapSize(std::size_t size) noexcept;
    void Release() noexcept;

    alignas(8) char m_bytes[16] = {};
};

static_assert(sizeof(TCellText) == 16);
