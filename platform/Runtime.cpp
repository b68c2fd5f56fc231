#include "Runtime.h"

#include <limits>

EInOutError::EInOutError(int errorCode, const std::string& osText, const std::string& path)
    : ERuntimeError(path.empty() ? osText : osText + ": " + path), m_errorCode(errorCode)
{
}

namespace {

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Shared core of both widths: the magnitude is gathered unsigned, so that wrapping
// hexadecimal and the most negative decimal value need no special case.
bool ParseInteger(std::string_view text, int bits, bool allowZeroX, int64_t& value)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const uint64_t mask = bits == 64 ? ~uint64_t{0} : (uint64_t{1} << bits) - 1;
    uint64_t magnitude = 0;
    bool hex = false;
    if (i < text.size() && text[i] == '$') {
        hex = true;
        ++i;
    } else if (allowZeroX && i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    const size_t firstDigit = i;
    if (hex) {
        int significant = 0;
        for (; i < text.size(); ++i) {
            const int digit = HexDigitValue(text[i]);
            if (digit < 0)
                return false;
            if (magnitude != 0 || digit != 0)
                ++significant;
            if (significant > bits / 4)
                return false;
            magnitude = (magnitude << 4) | static_cast<uint64_t>(digit);
        }
        if (i == firstDigit)
            return false;
        if (negative)
            magnitude = (~magnitude + 1) & mask;
        if (bits == 32)
            value = static_cast<int32_t>(static_cast<uint32_t>(magnitude));
        else
            value = static_cast<int64_t>(magnitude);
        return true;
    }
    const uint64_t limit = (uint64_t{1} << (bits - 1)) - (negative ? 0 : 1);
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        const auto digit = static_cast<uint64_t>(c - '0');
        if (magnitude > (limit - digit) / 10)
            return false;
        magnitude = magnitude * 10 + digit;
    }
    if (i == firstDigit)
        return false;
    value = negative ? static_cast<int64_t>(~magnitude + 1) : static_cast<int64_t>(magnitude);
    return true;
}

} // namespace

bool TryStrToInt64(std::string_view text, int64_t& value)
{
    return ParseInteger(text, 64, true, value);
}

int64_t StrToInt64Def(std::string_view text, int64_t defaultValue)
{
    int64_t value = 0;
    return TryStrToInt64(text, value) ? value : defaultValue;
}

bool TryStrToInt32(std::string_view text, int32_t& value)
{
    int64_t wide = 0;
    if (!ParseInteger(text, 32, false, wide))
        return false;
    value = static_cast<int32_t>(wide);
    return true;
}

int32_t StrToIntDef(std::string_view text, int32_t defaultValue)
{
    int32_t value = 0;
    return TryStrToInt32(text, value) ? value : defaultValue;
}

std::string Trim(std::string_view text)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= 32)
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32)
        --last;
    return std::string(text.substr(first, last - first));
}

std::string UpperCase(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return result;
}

namespace {

std::string BitsToHex(uint64_t bits, int minDigits)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string reversed;
    do {
        reversed.push_back(Digits[bits & 0xF]);
        bits >>= 4;
    } while (bits != 0);
    while (static_cast<int>(reversed.size()) < minDigits)
        reversed.push_back('0');
    return std::string(reversed.rbegin(), reversed.rend());
}

} // namespace

std::string IntToHex(int32_t value, int minDigits)
{
    return BitsToHex(static_cast<uint32_t>(value), minDigits);
}

std::string IntToHex(int64_t value, int minDigits)
{
    return BitsToHex(static_cast<uint64_t>(value), minDigits);
}

int32_t CheckedAdd(int32_t a, int32_t b)
{
    int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        throw EIntOverflow();
    return sum;
}

void CheckRange(int64_t index, int64_t low, int64_t high)
{
    if (index < low || index > high)
        throw ERangeError();
}
