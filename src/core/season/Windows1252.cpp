#include "season/Windows1252.h"

#include <array>

namespace {

// The characters of bytes 80 to 9F; the rest of the code page is the same as Latin-1.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of a character, or -1 when the code page has none.
int byteOf(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (std::size_t n = 0; n < High.size(); ++n) {
        if (High[n] == c)
            return static_cast<int>(0x80 + n);
    }
    return -1;
}

}  // namespace

namespace Windows1252 {

QString decode(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        *out++ = QChar(byte >= 0x80 && byte < 0xA0 ? High[byte - 0x80] : char16_t(byte));
    }
    return text;
}

QByteArray encode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype n = 0; n < text.size(); ++n) {
        const QChar c = text[n];
        if (c.isHighSurrogate() && n + 1 < text.size() && text[n + 1].isLowSurrogate())
            ++n;  // one character, one '?'
        const int byte = c.isSurrogate() ? -1 : byteOf(c.unicode());
        bytes.append(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return bytes;
}

bool canEncode(char32_t character)
{
    return byteOf(character) >= 0;
}

bool canEncode(QStringView text)
{
    for (const QChar c : text) {
        if (c.isSurrogate() || byteOf(c.unicode()) < 0)
            return false;
    }
    return true;
}

}  // namespace Windows1252
