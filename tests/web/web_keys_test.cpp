// Keys from the web page's keyboard arrive as the game's key codes.
#include "kiv/web/web_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kiv {
namespace {

constexpr int X = 0x100;  // marks the first code of a two-code key

TEST(WebKeys, EachKeyTheBrowserNamesBecomesTheGamesCodes) {
  const struct {
    std::string name;
    std::vector<int> codes;
  } keys[] = {{"Enter", {13}},
              {"Backspace", {8}},
              {"Tab", {9}},
              {"Escape", {27}},
              {" ", {32}},
              {"ArrowUp", {X + 224, 72}},
              {"ArrowDown", {X + 224, 80}},
              {"ArrowLeft", {X + 224, 75}},
              {"ArrowRight", {X + 224, 77}},
              {"Home", {X + 224, 71}},
              {"End", {X + 224, 79}},
              {"PageUp", {X + 224, 73}},
              {"PageDown", {X + 224, 81}},
              {"Insert", {X + 224, 82}},
              {"Delete", {X + 224, 83}},
              {"F1", {X, 59}},
              {"F5", {X, 63}},
              {"F10", {X, 68}},
              {"a", {'a'}},
              {"Z", {'Z'}},
              {"7", {'7'}},
              {"'", {'\''}},
              // The Turkish letters as their code page 857 bytes.
              {"İ", {0x98}},
              {"Ş", {0x9E}},
              {"Ğ", {0xA6}},
              {"Ü", {0x9A}},
              {"Ö", {0x99}},
              {"Ç", {0x80}},
              {"Ó", {0xE0}},
              {"ı", {0x8D}},
              {"ş", {0x9F}},
              {"ğ", {0xA7}},
              {"ü", {0x81}},
              {"ö", {0x94}},
              {"ç", {0x87}},
              // Nothing for the game: other keys, several characters, characters without a byte.
              {"F11", {}},
              {"F0", {}},
              {"F1x", {}},
              {"Shift", {}},
              {"Dead", {}},
              {"Unidentified", {}},
              {"", {}},
              {"ab", {}},
              {"€", {}},
              {"☺", {}},
              {"\t", {}}};
  for (const auto& [name, codes] : keys) {
    const WebKey key = webKey(name);
    EXPECT_EQ(std::vector<int>(key.codes, key.codes + key.count), codes) << '"' << name << '"';
  }
}

}  // namespace
}  // namespace kiv
