#pragma once
// The runtime services the programs rely on: text-to-integer conversion, text trimming and
// case, checked arithmetic and the family of runtime errors. Every command handler runs
// through one dispatcher that catches ERuntimeError and shows it in the error box.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

class ERuntimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file operation failed; carries the OS error code and its text.
class EInOutError : public ERuntimeError {
public:
    EInOutError(int errorCode, const std::string& osText, const std::string& path);
    [[nodiscard]] int ErrorCode() const { return m_errorCode; }

private:
    int m_errorCode;
};

// Error codes for transfers that moved fewer bytes than asked (no errno describes them).
inline constexpr int ShortReadError = 100;
inline constexpr int ShortWriteError = 101;

class ERangeError : public ERuntimeError {
public:
    ERangeError() : ERuntimeError("Range check error") {}
};

class EIntOverflow : public ERuntimeError {
public:
    EIntOverflow() : ERuntimeError("Integer overflow") {}
};

class EOutOfMemory : public ERuntimeError {
public:
    EOutOfMemory() : ERuntimeError("Out of memory") {}
};

// Integer conversion. Accepted: leading blanks, an optional '+' or '-', then decimal digits,
// or '$', "0x" or "0X" and hexadecimal digits, and nothing after them. Decimal must fit the
// signed range; hexadecimal takes at most 16 (32-bit: 8) significant digits and wraps into the
// negative range; a sign applies to hexadecimal as well. The 32-bit form takes only '$'.
[[nodiscard]] bool TryStrToInt64(std::string_view text, int64_t& value);
[[nodiscard]] int64_t StrToInt64Def(std::string_view text, int64_t defaultValue);
[[nodiscard]] bool TryStrToInt32(std::string_view text, int32_t& value);
[[nodiscard]] int32_t StrToIntDef(std::string_view text, int32_t defaultValue);

// Removes the characters of code 0 to 32 at both ends.
[[nodiscard]] std::string Trim(std::string_view text);
// Turns the ASCII letters a..z into capitals; every other byte stays.
[[nodiscard]] std::string UpperCase(std::string_view text);

// Upper-case hexadecimal of the value's 32-bit two's complement, zero-filled to at least
// minDigits: IntToHex(-1, 6) is "FFFFFFFF".
[[nodiscard]] std::string IntToHex(int32_t value, int minDigits);
// The same for offsets in files beyond 2 GiB.
[[nodiscard]] std::string IntToHex(int64_t value, int minDigits);

// 32-bit addition that raises EIntOverflow instead of wrapping.
[[nodiscard]] int32_t CheckedAdd(int32_t a, int32_t b);

// Raises ERangeError unless low <= index <= high.
void CheckRange(int64_t index, int64_t low, int64_t high);
