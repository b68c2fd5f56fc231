// Drives the value parser and formatter with arbitrary kinds, buffer sizes, addresses, counts
// and texts. Beyond the sanitizers it checks what callers rely on: a refused text leaves the
// buffer as it was, a call shows at most one message, only the kinds that take input show one,
// and a number shown by the formatter parses back to the bytes it came from.

#include "DataUnit.h"

#include "Check.h"
#include "InputReader.h"
#include "Messages.h"
#include "Runtime.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int MaxBufferSize = 16;

int MessageCount = 0;

bool TakesInput(int kind)
{
    return kind >= vkBinary && kind <= vkChar2;
}

void CheckParse(int kind, int32_t size, int32_t addr, int32_t count, const std::string& text)
{
    std::vector<uint8_t> buffer(static_cast<size_t>(size));
    for (size_t k = 0; k < buffer.size(); ++k)
        buffer[k] = static_cast<uint8_t>(0xA5 ^ k);
    const std::vector<uint8_t> before = buffer;

    MessageCount = 0;
    const bool accepted = TextToValue(buffer.data(), size, addr, kind, count, text);
    Check(MessageCount <= 1);
    if (accepted)
        Check(MessageCount == 0 && TakesInput(kind));
    else
        Check(buffer == before && MessageCount == (TakesInput(kind) ? 1 : 0));
}

void CheckFormat(const std::vector<uint8_t>& bytes, int kind, int32_t addr, int32_t count)
{
    const auto size = static_cast<int32_t>(bytes.size());
    std::string kindText = "unset";
    std::string valueText;
    try {
        ValueToText(bytes.data(), size, addr, kind, count, kindText, valueText);
    } catch (const ERangeError&) {
        Check(kind < 0 || kind >= KindCount);
        Check(valueText == "Error" && kindText == "unset");
        return;
    }
    Check(kind >= 0 && kind < KindCount);

    if (kind < vkBinary || kind > vkInt64 || valueText == "OverLoad")
        return;
    std::vector<uint8_t> parsed = bytes;
    MessageCount = 0;
    Check(TextToValue(parsed.data(), size, addr, kind, count, valueText));
    Check(parsed == bytes && MessageCount == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const TMessageHook silenced = SetShowMessageHook([](const std::string&) { ++MessageCount; });
    (void)silenced;

    TInputReader input(data, size);
    const int kind = input.Byte();
    const auto bufferSize = static_cast<int32_t>(input.Byte() % (MaxBufferSize + 1));
    const int32_t addr = input.Number();
    const int32_t count = input.Number();
    const std::string text = input.Rest();

    CheckParse(kind, bufferSize, addr, count, text);

    // The text's first bytes double as the data that the formatter reads.
    std::vector<uint8_t> bytes(static_cast<size_t>(bufferSize));
    std::copy_n(text.begin(), std::min(text.size(), bytes.size()), bytes.begin());
    CheckFormat(bytes, kind, addr, count);
    return 0;
}
