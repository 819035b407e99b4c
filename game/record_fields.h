// How a room or an object document is laid out, told once: each record class
// walks its fields in document order with a visitor, which the game's loader,
// the world checker and the tests' document writer all use.
//
// A visitor has:
//   ignoredLine()                          line 1, a note for the world's author
//   line(name, field, keep)                one text line; `keep` − 1 characters are kept
//   lines(name, fields)                    one line per variant
//   flag(name, field)                      a 0/1 number
//   codes(name, fields, kind)              room or object codes, one number each
#pragma once

#include <cstddef>

enum class CodeKind { Room, Object };

// The longest names and button labels, and every other text line.
constexpr std::size_t kLabelKeep = 20;  // 19 characters
constexpr std::size_t kTextKeep = 500;  // 499 characters
