// The game's three fixed pictures, drawn for it: line drawings in code page
// 857 bytes, every row at its exact width (trailing blanks included).
#include "game/pictures.h"

#include <string_view>

#include "game/version.h"

// A head in profile facing right, its hair one long stroke to the lower
// left, the game's name carried off on lines that fan out towards the
// buttons; a horizon of hyphens with waves below it.
constexpr std::array<const char*, 24> kTitlePicture = {
    "                   /                              . ", "                  /    Tha                      .'  ",
    "                 /                            .'    ", "                 /                          .'      ",
    "                /    _.--._               .'        ", "               /   ,'      `.   lv      .'       _.",
    "              /   /   (o)    \\        .'     _.-'  ", "             /   |            \\_    .'   _.-'      ",
    "            /    |             _>    _.-'          ",  "            /    |           .'      -------------",
    "           /      \\         (__      `-._         ",  "          /        `-.____.-'       ` ori -._     ",
    "         /                            `.     `-._",    "        /                               `.       ",
    "       /                                  `.      ",   "       /                                    `.    ",
    "      /                                 ne    `.    ", "     /                                          `   ",
    "    /-----------------------------------------------", "   /    _.-._     _.-._       _.-._     _.-._       ",
    "  /           `-'  .-.    `-'  .-.    `-'          ",  "  /                  `-'          `-'   ",
    " /                                                ",   "/                                                  "};

// A head in profile facing left, strokes rising from its top, over a long
// body of slanting strokes on a base line.
constexpr std::array<const char*, 26> kOpeningPicture = {
    "             \\       |       /    ", "         .    \\      |      /   ",
    "          `.   \\     |     /  '  ",  "       .    `.  \\    |    /  ,   ",
    "        `.    `. \\   |   / ,'    ",  "          `.    `.\\  |  /,'     ",
    "            `-.   \\\\ | //  ,     ", "             _.-~~~~~~~~~~~-._   ",
    "          ,-'  (_O)          `.  ",   "         /                    \\  ",
    "      _.(_)                   |   ",  "       `-._                   |   ",
    "          _)                 /   ",   "         (__,             __,'   ",
    "            \\`-.____..--~~'/    ",   "             \\            /     ",
    "            / /  /  /   /       ",    "           / /  /  /   /          ",
    "          / /  /  /   /           ",  "         / /  /  /   /            ",
    "        / /  /  /   /        ",       "       | /  /  /   /         ",
    "       |/  /  /   /        ",         "       |  /  /   /        ",
    "       | /__/___/        ",           "      __________________"};

// A small standing figure with a hand held out, on the ground line and
// its light shade.
constexpr std::array<const char*, 16> kPocketPicture = {
    "      ,,,,     ",
    "     (o  o)    ",
    "      \\__/    ",
    "     __)(__   ",
    "    /      \\  ",
    "   / /|  |\\ \\  ",
    "  / / |  | \\ \\  ",
    " / /  |  |  \\ \\  ",
    "(__,//|  |   \\_)  ",
    "      |  |      ",
    "      |__|       ",
    "       |||      ",
    "       |||      ",
    "      (_|_)      ",
    "  ___________________________",
    "  \xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0\xB0"};

namespace {

// The width of the widest row of `picture`, its blanks at the end counted;
// past any screen's width if a row holds a byte other than printable ASCII,
// the three shades and the full block.
template <std::size_t Rows>
constexpr int widest(const std::array<const char*, Rows>& picture) {
  int widest = 0;
  for (const char* row : picture) {
    int width = 0;
    for (; row[width] != '\0'; ++width) {
      const auto byte = static_cast<unsigned char>(row[width]);
      if ((byte < 0x20 || byte > 0x7E) && (byte < 0xB0 || byte > 0xB2) && byte != 0xDB) return 1000;
    }
    widest = width > widest ? width : widest;
  }
  return widest;
}

// Each picture stays whole and clear of the buttons beside it: the title
// picture is shown three columns in, left of the main menu's buttons at
// column 60, with the version after row 22; the pockets' figure left of
// their buttons at column 30; the opening's head whole, before the wrap at
// column 75, at the indents up to 40 it is flashed at (further in, it wraps).
constexpr std::string_view kVersionRow = kTitlePicture[21];
static_assert(3 + widest(kTitlePicture) < 60);
static_assert(3 + kVersionRow.size() + std::string_view("v").size() + std::string_view(kGameVersion).size() < 60);
static_assert(kVersionRow.ends_with(' '));
static_assert(widest(kPocketPicture) < 30);
static_assert(40 + widest(kOpeningPicture) < 75);

}  // namespace
