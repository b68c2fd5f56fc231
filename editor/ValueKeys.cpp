#include "ValueKeys.h"

#include "DataUnit.h"

bool KeyFitsKind(int kind, QChar key)
{
    const char16_t c = key.unicode();
    const bool digit = c >= u'0' && c <= u'9';
    switch (kind) {
    case vkBinary:
        return c == u'0' || c == u'1';
    case vkHex:
        return digit || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
    case vkByte:
    case vkWord:
    case vkLongWord:
        return digit;
    case vkShortInt:
    case vkSmallInt:
    case vkLongInt:
    case vkInt64:
        return digit || c == u'-';
    default:
        return true;
    }
}
