// The option file beside the program: 14 lines of a fixed label and a value from character 15 on,
// counted by position only. Trawlbox reads lines 2 to 5 as well, so their order and form are fixed.

#include "DataUnit.h"

#include "Files.h"
#include "Runtime.h"

#include <string_view>

uint8_t DumpShown = 0;
int32_t DumpColor = 0;
std::unique_ptr<TDataFont> DumpFont;
uint8_t StyleShown = 0;
int32_t StyleColor = 0;
std::unique_ptr<TDataFont> StyleFont;
int32_t BackColor = 0;
uint8_t HintShown = 0;

namespace {

constexpr const char* DefaultFaceName = "ＭＳ ゴシック";
constexpr int32_t DefaultFontSize = 9;
constexpr int32_t White = 0xFFFFFF;
constexpr int32_t Blue = 0xFF0000;
constexpr int32_t DarkGrey = 0x333333;
constexpr int HexDigits = 6;
constexpr size_t ValueStart = 14;

constexpr std::string_view DumpLabel = "Dump         :";
constexpr std::string_view ColorLabel = " +Color      :$";
constexpr std::string_view FontNameLabel = " +Font Name  :";
constexpr std::string_view FontSizeLabel = " +Font Size  :";
constexpr std::string_view FontColorLabel = " +Font Color :$";
constexpr std::string_view StyleLabel = "Style        :";
constexpr std::string_view BackColorLabel = "Back Color   :$";
constexpr std::string_view HintLabel = "Hint         :";
constexpr std::string_view StyleGroupFileLabel = "Style G File :";
constexpr std::string_view InitFolderLabel = "Init Folder  :";

void SetFont(TDataFont& Font, int32_t Color)
{
    Font.Name = DefaultFaceName;
    Font.Size = DefaultFontSize;
    Font.Color = Color;
}

class TOptionLines {
public:
    explicit TOptionLines(const std::string& FileName) : m_reader(FileName) {}

    std::string Value()
    {
        const std::string line = m_reader.ReadLine();
        return line.size() > ValueStart ? line.substr(ValueStart) : std::string();
    }
    int32_t Number(int32_t Default) { return StrToIntDef(Value(), Default); }
    uint8_t Flag(int32_t Default) { return static_cast<uint8_t>(Number(Default)); }
    // The face name, size and colour lines of a font; an empty name leaves the font's own.
    void Font(TDataFont& Font)
    {
        std::string name = Value();
        if (!name.empty())
            Font.Name = std::move(name);
        Font.Size = Number(DefaultFontSize);
        Font.Color = Number(0);
    }

private:
    TTextReader m_reader;
};

void WriteFontLines(TTextWriter& Writer, const TDataFont& Font)
{
    Writer.WriteLine(std::string(FontNameLabel) + Font.Name);
    Writer.WriteLine(std::string(FontSizeLabel) + std::to_string(Font.Size));
    Writer.WriteLine(std::string(FontColorLabel) + IntToHex(Font.Color, HexDigits));
}

} // namespace

std::string OptionFileName()
{
    return ChangeFileExt(ExecutablePath(), ".ini");
}

void ReadOptionFile(const std::string& FileName)
{
    DumpFont = std::make_unique<TDataFont>();
    StyleFont = std::make_unique<TDataFont>();

    DumpShown = 1;
    DumpColor = 0;
    SetFont(*DumpFont, White);
    StyleShown = 1;
    StyleColor = 0;
    SetFont(*StyleFont, Blue);
    BackColor = DarkGrey;
    HintShown = 1;

    if (!FileExists(FileName))
        return;
    TOptionLines lines(FileName);
    DumpShown = lines.Flag(1);
    DumpColor = lines.Number(0);
    lines.Font(*DumpFont);
    StyleShown = lines.Flag(1);
    StyleColor = lines.Number(0);
    lines.Font(*StyleFont);
    BackColor = lines.Number(0);
    HintShown = lines.Flag(1);
    StyleGroupFileName = lines.Value();
    DataFileName[0] = lines.Value();
}

void ReadDumpLook(const std::string& FileName, int32_t& Color, TDataFont& Font)
{
    TOptionLines lines(FileName);
    (void)lines.Value(); // whether the dump grids are shown
    Color = lines.Number(0);
    lines.Font(Font);
}

// Needs the font objects, which ReadOptionFile creates at the window's start.
void WriteOptionFile(const std::string& FileName)
{
    // Without the font objects the options were never read: writing would replace the user's
    // file with empty values.
    if (!DumpFont || !StyleFont)
        return;
    TTextWriter writer(FileName);
    writer.WriteLine(std::string(DumpLabel) + std::to_string(DumpShown));
    writer.WriteLine(std::string(ColorLabel) + IntToHex(DumpColor, HexDigits));
    WriteFontLines(writer, *DumpFont);
    writer.WriteLine(std::string(StyleLabel) + std::to_string(StyleShown));
    writer.WriteLine(std::string(ColorLabel) + IntToHex(StyleColor, HexDigits));
    WriteFontLines(writer, *StyleFont);
    writer.WriteLine(std::string(BackColorLabel) + IntToHex(BackColor, HexDigits));
    writer.WriteLine(std::string(HintLabel) + std::to_string(HintShown));
    writer.WriteLine(std::string(StyleGroupFileLabel) + StyleGroupFileName);
    writer.WriteLine(std::string(InitFolderLabel) + DataFileName[0]);
    writer.Close();
}
