#include "Archive.h"

#include "Errors.h"
#include "Windows1250.h"

#include <vector>

namespace
{

const char *const EndOfArchive = "Unexpected end of file: the archive is truncated.";
const char *const BadString = "The archive holds a damaged text string.";

// Decodes one UTF-8 sequence; malformed input yields U+FFFD so that a bad
// name never stops a game from being saved.
char32_t NextCodePoint(const std::string &s, std::size_t &i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = byte(i);
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || i + extra >= s.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    i += extra + 1;
    return cp;
}

void AppendUtf8(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

bool IsWindows1250(const std::string &utf8)
{
    for (std::size_t i = 0; i < utf8.size();)
        if (!EncodeWindows1250(NextCodePoint(utf8, i)))
            return false;
    return true;
}

std::u16string Utf8ToUtf16(const std::string &utf8)
{
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = NextCodePoint(utf8, i);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::string Utf16ToUtf8(const std::u16string &utf16)
{
    std::string out;
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = utf16[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

// --- writer -----------------------------------------------------------------

void ArchiveWriter::Put(const char *bytes, std::size_t count)
{
    myOut.write(bytes, static_cast<std::streamsize>(count));
    if (!myOut)
        throw xIO("Unable to write the file.");
}

void ArchiveWriter::WriteByte(std::uint8_t value)
{
    char c = static_cast<char>(value);
    Put(&c, 1);
}

void ArchiveWriter::WriteUInt16(std::uint16_t value)
{
    char b[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    Put(b, 2);
}

void ArchiveWriter::WriteInt32(std::int32_t value)
{
    auto u = static_cast<std::uint32_t>(value);
    char b[4];
    for (int i = 0; i < 4; ++i)
        b[i] = static_cast<char>((u >> (8 * i)) & 0xFF);
    Put(b, 4);
}

void ArchiveWriter::WriteLength(std::uint32_t length)
{
    if (length < 255) {
        WriteByte(static_cast<std::uint8_t>(length));
    } else if (length < 0xFFFE) {
        WriteByte(0xFF);
        WriteUInt16(static_cast<std::uint16_t>(length));
    } else {
        WriteByte(0xFF);
        WriteUInt16(0xFFFF);
        WriteInt32(static_cast<std::int32_t>(length));
    }
}

void ArchiveWriter::WriteString(const std::string &utf8)
{
    if (IsWindows1250(utf8)) {
        std::string bytes;
        for (std::size_t i = 0; i < utf8.size();)
            bytes += static_cast<char>(*EncodeWindows1250(NextCodePoint(utf8, i)));
        WriteLength(static_cast<std::uint32_t>(bytes.size()));
        Put(bytes.data(), bytes.size());
        return;
    }
    std::u16string units = Utf8ToUtf16(utf8);
    WriteByte(0xFF);
    WriteUInt16(0xFFFE);
    WriteLength(static_cast<std::uint32_t>(units.size()));
    for (char16_t u : units)
        WriteUInt16(static_cast<std::uint16_t>(u));
}

// --- reader -----------------------------------------------------------------

void ArchiveReader::Get(char *bytes, std::size_t count)
{
    myIn.read(bytes, static_cast<std::streamsize>(count));
    if (static_cast<std::size_t>(myIn.gcount()) != count)
        throw xIO(EndOfArchive);
}

std::uint8_t ArchiveReader::ReadByte()
{
    char c;
    Get(&c, 1);
    return static_cast<std::uint8_t>(c);
}

std::uint16_t ArchiveReader::ReadUInt16()
{
    unsigned char b[2];
    Get(reinterpret_cast<char *>(b), 2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::int32_t ArchiveReader::ReadInt32()
{
    unsigned char b[4];
    Get(reinterpret_cast<char *>(b), 4);
    std::uint32_t u = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    return static_cast<std::int32_t>(u);
}

std::int64_t ArchiveReader::Remaining()
{
    std::streampos here = myIn.tellg();
    if (here == std::streampos(-1))
        return -1;
    myIn.seekg(0, std::ios::end);
    std::streampos end = myIn.tellg();
    myIn.seekg(here);
    if (end == std::streampos(-1))
        return -1;
    return static_cast<std::int64_t>(end - here);
}

std::uint32_t ArchiveReader::ReadLength(bool &wide)
{
    std::uint8_t b = ReadByte();
    if (b < 0xFF)
        return b;
    std::uint16_t w = ReadUInt16();
    if (w == 0xFFFE) {
        // Marker of 16-bit characters; the real length follows in the same form.
        if (wide)
            throw xIO(BadString);
        wide = true;
        return ReadLength(wide);
    }
    if (w < 0xFFFF)
        return w;
    return static_cast<std::uint32_t>(ReadInt32());
}

std::string ArchiveReader::ReadString()
{
    bool wide = false;
    std::uint32_t length = ReadLength(wide);
    std::uint64_t bytes = static_cast<std::uint64_t>(length) * (wide ? 2 : 1);
    // Refuse a length that the rest of the file cannot hold before allocating
    // anything for it: a damaged file must never cost gigabytes.
    std::int64_t left = Remaining();
    if ((left >= 0 && bytes > static_cast<std::uint64_t>(left)) || (left < 0 && bytes > (1u << 24)))
        throw xIO(EndOfArchive);
    if (!wide) {
        std::string raw(length, '\0');
        Get(raw.data(), length);
        std::string out;
        for (char c : raw)
            AppendUtf8(out, DecodeWindows1250(static_cast<std::uint8_t>(c)));
        return out;
    }
    std::u16string units(length, u'\0');
    for (auto &u : units)
        u = static_cast<char16_t>(ReadUInt16());
    return Utf16ToUtf8(units);
}
