#include "TextCodec.h"

#include <QList>

QString BytesToDisplay(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string DisplayToBytes(const QString& text)
{
    std::string result;
    result.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() <= 0xFF) {
            result.push_back(static_cast<char>(c.unicode()));
            continue;
        }
        qsizetype length = 1;
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            length = 2;
        result += QStringView(text).mid(i, length).toUtf8().toStdString();
        i += length - 1;
    }
    return result;
}

int DisplayByteCount(const QString& text)
{
    int bytes = 0;
    for (const char32_t code : text.toUcs4())
        bytes += code <= 0xFF ? 1 : code <= 0x7FF ? 2 : code <= 0xFFFF ? 3 : 4;
    return bytes;
}

std::string BytesToDisplayUtf8(std::string_view bytes)
{
    std::string result;
    result.reserve(bytes.size() * 2);
    for (char byte : bytes)
        AppendByteAsUtf8(result, static_cast<unsigned char>(byte));
    return result;
}

std::string DisplayUtf8ToBytes(std::string_view utf8)
{
    return DisplayToBytes(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

size_t Utf8SequenceLength(std::string_view bytes)
{
    if (bytes.empty())
        return 0;
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80)
        return 1;
    // The lowest and highest second byte that each lead byte admits keep out overlong forms,
    // surrogates and codes above U+10FFFF.
    size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() < length)
        return 0;
    const auto second = static_cast<unsigned char>(bytes[1]);
    if (second < low || second > high)
        return 0;
    for (size_t i = 2; i < length; ++i)
        if ((static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80)
            return 0;
    return length;
}

namespace {

void AppendEscapedBytes(QString& out, std::string_view bytes)
{
    static const char Digits[] = "0123456789ABCDEF";
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        out += QLatin1String("\\x");
        out += QLatin1Char(Digits[value >> 4]);
        out += QLatin1Char(Digits[value & 0x0F]);
    }
}

// A character that would not show as itself on one line of a list.
bool ShownEscaped(char32_t code)
{
    const QChar::Category category = QChar::category(code);
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph;
}

} // namespace

QString FileNameToDisplay(std::string_view name)
{
    QString shown;
    shown.reserve(static_cast<qsizetype>(name.size()));
    size_t at = 0;
    while (at < name.size()) {
        const std::string_view rest = name.substr(at);
        const size_t length = Utf8SequenceLength(rest);
        if (length == 0) {
            AppendEscapedBytes(shown, rest.substr(0, 1));
            ++at;
            continue;
        }
        const std::string_view sequence = rest.substr(0, length);
        at += length;
        if (sequence == "\\") {
            shown += QLatin1String("\\\\");
            continue;
        }
        const QString character = QString::fromUtf8(sequence.data(), static_cast<qsizetype>(length));
        if (ShownEscaped(character.toUcs4().front()))
            AppendEscapedBytes(shown, sequence);
        else
            shown += character;
    }
    return shown;
}
