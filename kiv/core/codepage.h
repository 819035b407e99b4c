// Code page 857 (Turkish DOS): the byte encoding of every text the game shows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kiv::codepage {

// The Unicode character a byte is shown as on screen. Control bytes map to
// their console glyphs (0x01 ☺ ... 0x1F ▼, 0x7F ⌂); NUL and the three bytes
// without a character (0xD5, 0xE7, 0xF2) map to a blank.
char32_t toUnicode(std::uint8_t byte);

// The byte that stands for a typed or written character, if code page 857
// has one. Printable characters only: control glyphs never map back.
std::optional<std::uint8_t> fromUnicode(char32_t ch);

// `codePage857` as the screen shows it (toUnicode), in UTF-8.
std::string toUtf8(std::string_view codePage857);

// Appends the UTF-8 form of `ch` to `out`.
void appendUtf8(std::string& out, char32_t ch);

// Decodes one UTF-8 character from `text` at `pos`, advancing `pos`.
// Returns nothing (and skips one byte) on a malformed sequence.
std::optional<char32_t> nextUtf8(const std::string& text, std::size_t& pos);

}  // namespace kiv::codepage
