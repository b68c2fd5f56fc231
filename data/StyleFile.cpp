// The .fms style group file: a 16-bit count N, then N + 1 style records of a 39-byte head and
// 110-byte rows, little-endian and unaligned. The file is built and decoded in memory so that it
// is written in one transfer and a corrupt file can never move a read outside its buffer.

#include "DataUnit.h"

#include "Files.h"
#include "Runtime.h"

#include <cstring>
#include <vector>

std::string StyleGroupFileName;

namespace {

constexpr size_t HeadBytes = 1 + StyleNameCapacity + 4 + 1 + 2;
constexpr size_t RowBytes = 1 + 1 + 4 + (1 + CommentCapacity) + (1 + HintCapacity);
constexpr size_t FullGroupBytes = 2 + StyleCount * (HeadBytes + RowCount * RowBytes);

class TRecordWriter {
public:
    void Reserve(size_t size) { m_bytes.reserve(size); }
    void Byte(uint8_t value) { m_bytes.push_back(value); }
    void Int16(int16_t value) { Unsigned(static_cast<uint16_t>(value), 2); }
    void Int32(int32_t value) { Unsigned(static_cast<uint32_t>(value), 4); }
    template <int Capacity>
    void Text(const TShortString<Capacity>& text)
    {
        Byte(text.Length);
        m_bytes.insert(m_bytes.end(), text.Chars.begin(), text.Chars.end());
    }
    [[nodiscard]] const std::vector<uint8_t>& Bytes() const { return m_bytes; }

private:
    void Unsigned(uint32_t value, int size)
    {
        for (int i = 0; i < size; ++i)
            m_bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
    std::vector<uint8_t> m_bytes;
};

// Takes a field only when all its bytes are there; a field cut by the end of the file is not
// taken, and nothing after it is either, so the target keeps its value.
class TRecordReader {
public:
    explicit TRecordReader(const std::string& bytes) : m_bytes(bytes) {}

    void Byte(uint8_t& value)
    {
        if (const char* field = Take(1))
            value = static_cast<uint8_t>(*field);
    }
    void Int16(int16_t& value)
    {
        if (const char* field = Take(2))
            value = static_cast<int16_t>(Unsigned(field, 2));
    }
    void Int32(int32_t& value)
    {
        if (const char* field = Take(4))
            value = static_cast<int32_t>(Unsigned(field, 4));
    }
    // A stored length above the capacity is held as the capacity, so no later use reads past
    // the field.
    template <int Capacity>
    void Text(TShortString<Capacity>& text)
    {
        if (const char* field = Take(1 + Capacity)) {
            const auto stored = static_cast<uint8_t>(field[0]);
            text.Length = stored <= Capacity ? stored : static_cast<uint8_t>(Capacity);
            std::memcpy(text.Chars.data(), field + 1, Capacity);
        }
    }

private:
    const char* Take(size_t size)
    {
        if (m_bytes.size() - m_position < size) {
            m_position = m_bytes.size();
            return nullptr;
        }
        const char* field = m_bytes.data() + m_position;
        m_position += size;
        return field;
    }
    static uint32_t Unsigned(const char* field, int size)
    {
        uint32_t value = 0;
        for (int i = 0; i < size; ++i)
            value |= static_cast<uint32_t>(static_cast<uint8_t>(field[i])) << (8 * i);
        return value;
    }
    const std::string& m_bytes;
    size_t m_position = 0;
};

// Sized from the counts: a small group does not take the room of a full one.
size_t EncodedSize(int16_t LastStyle)
{
    size_t size = 2;
    for (int i = 0; i <= LastStyle; ++i) {
        const int16_t lastRow = StyleGroup[i].LastRow;
        CheckRange(lastRow, 0, RowCount - 1);
        size += HeadBytes + static_cast<size_t>(lastRow + 1) * RowBytes;
    }
    return size;
}

std::vector<uint8_t> EncodeStyleGroup(int16_t LastStyle)
{
    TRecordWriter writer;
    writer.Reserve(EncodedSize(LastStyle));
    writer.Int16(LastStyle);
    for (int i = 0; i <= LastStyle; ++i) {
        const TStyle& style = StyleGroup[i];
        writer.Text(style.StyleName);
        writer.Int32(style.OffsetAddress);
        writer.Byte(style.UseOffset);
        writer.Int16(style.LastRow);
        for (int r = 0; r <= style.LastRow; ++r) {
            writer.Byte(style.RowUsed[r]);
            writer.Byte(style.RowKind[r]);
            writer.Int32(style.RowSize[r]);
            writer.Text(style.RowComment[r]);
            writer.Text(style.RowHint[r]);
        }
    }
    return writer.Bytes();
}

// Counts are taken as stored; the range checks end the read at the first slot or row that the
// group does not have, keeping what was read before it.
void DecodeStyleGroup(const std::string& bytes)
{
    TRecordReader reader(bytes);
    int16_t lastStyle = -1;
    reader.Int16(lastStyle);
    for (int i = 0; i <= lastStyle; ++i) {
        CheckRange(i, 0, StyleCount - 1);
        TStyle& style = StyleGroup[i];
        reader.Text(style.StyleName);
        reader.Int32(style.OffsetAddress);
        reader.Byte(style.UseOffset);
        reader.Int16(style.LastRow);
        for (int r = 0; r <= style.LastRow; ++r) {
            CheckRange(r, 0, RowCount - 1);
            reader.Byte(style.RowUsed[r]);
            reader.Byte(style.RowKind[r]);
            reader.Int32(style.RowSize[r]);
            reader.Text(style.RowComment[r]);
            reader.Text(style.RowHint[r]);
        }
    }
}

// No group reaches beyond the size of a full one, so the rest of a longer file is never needed.
std::string ReadUsableBytes(TBinaryFile& file)
{
    const auto size = static_cast<uint64_t>(file.Size());
    std::string bytes(size < FullGroupBytes ? static_cast<size_t>(size) : FullGroupBytes, '\0');
    bytes.resize(file.Read(bytes.data(), bytes.size()));
    return bytes;
}

} // namespace

bool ReadStyleGroupFile(const std::string& FileName)
{
    if (!FileExists(FileName))
        return false;
    StyleGroupFileName = FileName;
    TBinaryFile file = TBinaryFile::OpenExisting(FileName);
    const std::string bytes = ReadUsableBytes(file);
    file.Close();
    NewStyleGroup();
    DecodeStyleGroup(bytes);
    return true;
}

// The group is packed and encoded before the file is created, so an overflow while recounting
// leaves the old file as it was instead of truncated.
void WriteStyleGroupFile(const std::string& FileName)
{
    StyleGroupFileName = FileName;
    const int named = PackStyleGroup();
    const auto lastStyle = static_cast<int16_t>(named < StyleCount ? named : StyleCount - 1);
    const std::vector<uint8_t> bytes = EncodeStyleGroup(lastStyle);
    TBinaryFile file = TBinaryFile::Create(FileName);
    file.WriteExact(bytes.data(), bytes.size());
    file.Close();
}
