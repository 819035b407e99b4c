// The game's three fixed pictures, drawn for it: line drawings in code page
// 857 bytes, every row at its exact width (trailing blanks included).
#include "game/pictures.h"

// A head in profile facing right, its hair one long stroke to the lower
// left, the game's name carried off on lines that fan out towards the
// buttons; a horizon of hyphens with waves below it.
const std::array<const char*, 24> kTitlePicture = {
    "                   /                              . ",
    "                  /    Tha                      .'  ",
    "                 /                            .'    ",
    "                 /                          .'      ",
    "                /    _.--._               .'        ",
    "               /   ,'      `.   lv      .'       _.",
    "              /   /   (o)    \\        .'     _.-'  ",
    "             /   |            \\_    .'   _.-'      ",
    "            /    |             _>    _.-'          ",
    "            /    |           .'      -------------",
    "           /      \\         (__      `-._         ",
    "          /        `-.____.-'       ` ori -._     ",
    "         /                            `.     `-._",
    "        /                               `.       ",
    "       /                                  `.      ",
    "       /                                    `.    ",
    "      /                                 ne    `.    ",
    "     /                                          `   ",
    "    /-----------------------------------------------",
    "   /    _.-._     _.-._       _.-._     _.-._       ",
    "  /           `-'  .-.    `-'  .-.    `-'          ",
    "  /                  `-'          `-'   ",
    " /                                                ",
    "/                                                  "};

// A head in profile facing left, strokes rising from its top, over a long
// body of slanting strokes on a base line.
const std::array<const char*, 26> kOpeningPicture = {
    "             \\       |       /    ",
    "         .    \\      |      /   ",
    "          `.   \\     |     /  '  ",
    "       .    `.  \\    |    /  ,   ",
    "        `.    `. \\   |   / ,'    ",
    "          `.    `.\\  |  /,'     ",
    "            `-.   \\\\ | //  ,     ",
    "             _.-~~~~~~~~~~~-._   ",
    "          ,-'  (_O)          `.  ",
    "         /                    \\  ",
    "      _.(_)                   |   ",
    "       `-._                   |   ",
    "          _)                 /   ",
    "         (__,             __,'   ",
    "            \\`-.____..--~~'/    ",
    "             \\            /     ",
    "            / /  /  /   /       ",
    "           / /  /  /   /          ",
    "          / /  /  /   /           ",
    "         / /  /  /   /            ",
    "        / /  /  /   /        ",
    "       | /  /  /   /         ",
    "       |/  /  /   /        ",
    "       |  /  /   /        ",
    "       | /__/___/        ",
    "      __________________"};

// A small standing figure with a hand held out, on the ground line and
// its light shade.
const std::array<const char*, 16> kPocketPicture = {
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
