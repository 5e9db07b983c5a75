#pragma once

// The Central European code page windows-1250, in which the saved-game and
// best-games files hold a name stored with single-byte characters. Files
// from Czech and Slovak systems carry "ř", "č" or "ž" as bytes of this page;
// read as Latin-1 they would come back as "ø", "è" and a control character.

#include <cstdint>
#include <optional>

// The character a byte stands for. Bytes 0x00..0x7F are ASCII; the five
// bytes the page leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) read as
// U+FFFD, so a damaged name shows where it is damaged.
char32_t DecodeWindows1250(std::uint8_t byte);

// The byte that stands for a character, none when the page lacks it. No
// character maps to an undefined byte, U+FFFD included, so a name read
// with one is written in 16-bit characters rather than as another byte.
std::optional<std::uint8_t> EncodeWindows1250(char32_t codePoint);
