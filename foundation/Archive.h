#pragma once

// Little-endian archive streams: 32-bit integers, booleans as 32-bit 0/1 and
// length-prefixed strings, byte for byte as the saved-game and best-games
// files lay them out. Plain std streams underneath, so command-line tools
// read those files without any GUI library.

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

class ArchiveWriter
{
  public:
    explicit ArchiveWriter(std::ostream &out) : myOut(out) {}

    void WriteInt32(std::int32_t value);
    void WriteUInt16(std::uint16_t value);
    void WriteByte(std::uint8_t value);
    void WriteBool(bool value) { WriteInt32(value ? 1 : 0); }
    // Text in UTF-8. Text whose every character has a byte in windows-1250
    // is written with single-byte characters of that page; anything else in
    // the 16-bit form that readers also accept.
    void WriteString(const std::string &utf8);

  private:
    void WriteLength(std::uint32_t length);
    void Put(const char *bytes, std::size_t count);

    std::ostream &myOut;
};

class ArchiveReader
{
  public:
    explicit ArchiveReader(std::istream &in) : myIn(in) {}

    std::int32_t ReadInt32();
    std::uint16_t ReadUInt16();
    std::uint8_t ReadByte();
    bool ReadBool() { return ReadInt32() != 0; }
    // Returns the text in UTF-8, whichever character width was stored;
    // single bytes are read as windows-1250.
    std::string ReadString();

    // Bytes left before the end of a seekable stream, -1 when unknown.
    std::int64_t Remaining();

  private:
    std::uint32_t ReadLength(bool &wide);
    void Get(char *bytes, std::size_t count);

    std::istream &myIn;
};

// Text conversions the archive needs; also handy for its callers.
bool IsWindows1250(const std::string &utf8);
std::u16string Utf8ToUtf16(const std::string &utf8);
std::string Utf16ToUtf8(const std::u16string &utf16);
