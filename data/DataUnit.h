#pragma once
// The data layer of Byteloom: the two panes' buffers, the value kinds with their tables and
// codecs, the style group and its .fms file, the option file, the pane search and the compare
// walks over both panes. Plain records and globals, no Qt; bad input is reported through
// ShowMessage, everything else through the runtime's errors.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// ---- Value kinds and constant tables -------------------------------------------------------

enum TValueKind : uint8_t {
    vkNone,
    vkBinary,
    vkHex,
    vkByte,
    vkShortInt,
    vkWord,
    vkSmallInt,
    vkLongWord,
    vkLongInt,
    vkInt64,
    vkChars,
    vkChar1,
    vkChar2,
    vkSpace,
    vkError,
};

inline constexpr int KindCount = 15;

extern const std::array<std::string, KindCount> KindName;
extern const std::array<uint8_t, KindCount> KindSize;
extern const std::array<uint8_t, KindCount> KindMaxLength;
extern const std::array<std::string, 256> BinaryText;
extern const std::array<std::string, 256> HexText;
extern const std::array<char, 256> DumpChar;
extern const std::array<char, 256> DumpCharLast;

// Default of the tolerant conversion: outside every range the number parsers accept.
inline constexpr int64_t TextDefault = 4294967296;

// ---- Pane buffers --------------------------------------------------------------------------

inline constexpr int PaneCount = 2;
inline constexpr int32_t MaxDataSize = 1048576;

// DataBuffer[p] holds exactly DataSize[p] bytes.
extern std::vector<uint8_t> DataBuffer[PaneCount];
extern std::string DataFileName[PaneCount];
extern int32_t DataSize[PaneCount];
extern int32_t CursorAddress[PaneCount];
extern bool DataCut[PaneCount];
// The pane's last load broke off after the pane gave up its bytes: only those read before the
// error are defined, so the pane no longer holds its file. A save makes it hold it again.
extern bool DataBroken[PaneCount];

// False, with nothing changed, when no such file exists. A file that cannot be opened raises
// EInOutError with nothing changed either; a read that fails part-way leaves the pane broken.
bool LoadDataFile(int Pane, const std::string& FileName);
void SaveDataFile(int Pane, const std::string& FileName);
// Releases the pane's block and leaves the pane empty.
void FreeDataBuffer(int Pane);
void InitDataLayer();
void DoneDataLayer();

// ---- Value formatting and parsing ----------------------------------------------------------

void ValueToText(const uint8_t* Data, int32_t Size, int32_t Addr, int Kind, int32_t Count, std::string& KindText,
                 std::string& ValueText);
void PaneValueToText(int Pane, int32_t Address, int Kind, int32_t Count, std::string& KindText, std::string& ValueText);

bool TextToValue(uint8_t* Data, int32_t Size, int32_t Addr, int Kind, int32_t Count, const std::string& Text);
bool TextToPaneValue(int Pane, int32_t Address, int Kind, int32_t Count, const std::string& Text);

// ---- Style group model ---------------------------------------------------------------------

// A text field of fixed byte capacity, laid out as in the .fms file: a length byte and
// Capacity bytes, of which those behind the length are not significant and kept as they are.
template <int Capacity>
struct TShortString {
    uint8_t Length = 0;
    std::array<char, Capacity> Chars{};

    [[nodiscard]] std::string Text() const { return std::string(Chars.data(), Length <= Capacity ? Length : Capacity); }
    // Stores the text, cut to the capacity without splitting a UTF-8 sequence.
    void Assign(const std::string& text)
    {
        const size_t length = text.size() > Capacity ? CutWithoutSplitting(text, Capacity) : text.size();
        Length = static_cast<uint8_t>(length);
        text.copy(Chars.data(), length);
    }

private:
    static bool IsContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }
    // Where the first byte left out continues a sequence, the cut moves in front of the
    // sequence's lead byte, which lies at most three bytes back. Continuation bytes that no lead
    // byte opens are no character to keep whole: they are cut like any other bytes, so that such
    // a text never shrinks to nothing.
    static size_t CutWithoutSplitting(const std::string& text, size_t cut)
    {
        if (!IsContinuation(text[cut]))
            return cut;
        for (size_t back = 1; back <= 3 && back <= cut; ++back) {
            const char byte = text[cut - back];
            if (!IsContinuation(byte))
                return static_cast<unsigned char>(byte) >= 0xC0 ? cut - back : cut;
        }
        return cut;
    }
};

inline constexpr int StyleCount = 30;
inline constexpr int RowCount = 200;
inline constexpr int StyleNameCapacity = 31;
inline constexpr int CommentCapacity = 21;
inline constexpr int HintCapacity = 81;

// What a style writes for a row in use and for its offset switched on; any byte other than 0
// reads as on.
inline constexpr uint8_t RowInUse = 255;
inline constexpr uint8_t OffsetInUse = 255;

struct TStyle {
    TShortString<StyleNameCapacity> StyleName;
    int32_t OffsetAddress = 0;
    uint8_t UseOffset = 0;
    int16_t LastRow = 0;
    int32_t TotalSize = 0;
    std::array<uint8_t, RowCount> RowUsed{};
    std::array<uint8_t, RowCount> RowKind{};
    std::array<int32_t, RowCount> RowSize{};
    std::array<TShortString<CommentCapacity>, RowCount> RowComment{};
    std::array<TShortString<HintCapacity>, RowCount> RowHint{};
};

extern std::array<TStyle, StyleCount> StyleGroup;
extern std::array<TStyle, StyleCount> StyleStack;

void NewStyleGroup();
int PackStyleGroup();
void ClearStyle(TStyle& Style);
// Only the fields go, down to one empty field; the name and the offset stay.
void ClearStyleRows(TStyle& Style);
void RecountStyle(int StyleIndex);
void InsertStyleRow(int StyleIndex, int Row);
void DeleteStyleRow(int StyleIndex, int Row);
int32_t StyleRowAddress(int32_t Base, int StyleIndex, int Row);
std::string ExpandHint(const std::string& Hint);

// ---- Style group file ----------------------------------------------------------------------

extern std::string StyleGroupFileName;

bool ReadStyleGroupFile(const std::string& FileName);
void WriteStyleGroupFile(const std::string& FileName);

// ---- Option file ---------------------------------------------------------------------------

// The data layer's font object: what the grids take over. Colours are 0x00BBGGRR.
struct TDataFont {
    std::string Name;
    int32_t Size = 0; // points
    int32_t Color = 0;
    uint8_t Style = 0; // bold 1, italic 2, underline 4, strike-out 8
    uint8_t Charset = 1;
};

extern uint8_t DumpShown;
extern int32_t DumpColor;
extern std::unique_ptr<TDataFont> DumpFont;
extern uint8_t StyleShown;
extern int32_t StyleColor;
extern std::unique_ptr<TDataFont> StyleFont;
extern int32_t BackColor;
extern uint8_t HintShown;

// The running executable's path with ".ini" in place of its extension.
[[nodiscard]] std::string OptionFileName();
// The program uses the file beside it; a test or fuzzer can name a file of its own.
void ReadOptionFile(const std::string& FileName = OptionFileName());
void WriteOptionFile(const std::string& FileName = OptionFileName());
// Lines 2 to 5 of an option file, the dump grids' colour and font, without the option variables:
// for Trawlbox, which shows its list as the dump. Reads no further than line 5; the lines take
// their defaults as ReadOptionFile gives them, and an empty face name leaves the one in Font.
void ReadDumpLook(const std::string& FileName, int32_t& Color, TDataFont& Font);

// ---- Pane search and compare ---------------------------------------------------------------

inline constexpr int SearchValueCapacity = 256;

extern std::array<uint8_t, SearchValueCapacity> SearchValue;
extern int32_t SearchLength;

bool SetSearchValue(const std::string& Text, int Kind);
bool FrontSearch(int Pane, int32_t& Address);
bool NextSearch(int Pane, int32_t& Address);

// The compare walks: the nearest pair of differing bytes from pane a's address A and pane b's
// address B on, down or up, the two addresses moving together so that their displacement stays;
// the pair at the start is compared too. False where either pane's data ends first; the
// addresses then mean nothing.
bool PreviousDifference(int64_t& A, int64_t& B);
bool NextDifference(int64_t& A, int64_t& B);
