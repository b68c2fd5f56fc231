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
