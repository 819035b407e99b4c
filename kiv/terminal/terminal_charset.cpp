// Code page 857 to and from the locale's character set, with stand-ins for what it cannot show.
#include "kiv/terminal/terminal_charset.h"

#include <langinfo.h>
#include <locale.h>

#include <climits>
#include <cstring>

#include "kiv/core/codepage.h"

namespace kiv {
namespace {

// The plain stand-ins of bytes 0x80 to 0xFF, in order: letters without
// their marks, lines as | - +, shades and blocks as #.
constexpr char kPlainUpperHalf[] =
    "CueaaaaceeeiiiAA"
    "EaAooouuIOUoLOSs"
    "aiounNGg?R-?\?!<>"
    "###|+AAAC+|++cY+"
    "++++-+aA+++++-+*"
    "oaEEE III++##|I#"
    "OsOOoOu xUUUiy-'"
    "-+ ?PS/,o\".132# ";
static_assert(sizeof kPlainUpperHalf == 129);

struct LineDrawing {
  std::uint8_t byte;
  char vt100;
};

// Shades, the solid block and the single and double box lines (a double
// line stands in as a single one), as the VT100 line-drawing letters.
constexpr LineDrawing kLineDrawing[] = {
    {0xB0, 'a'}, {0xB1, 'a'}, {0xB2, 'a'}, {0xDB, '0'}, {0xB3, 'x'}, {0xBA, 'x'}, {0xC4, 'q'}, {0xCD, 'q'}, {0xDA, 'l'},
    {0xC9, 'l'}, {0xBF, 'k'}, {0xBB, 'k'}, {0xC0, 'm'}, {0xC8, 'm'}, {0xD9, 'j'}, {0xBC, 'j'}, {0xC3, 't'}, {0xCC, 't'},
    {0xB4, 'u'}, {0xB9, 'u'}, {0xC2, 'w'}, {0xCB, 'w'}, {0xC1, 'v'}, {0xCA, 'v'}, {0xC5, 'n'}, {0xCE, 'n'}};

constexpr std::uint8_t kTurkishLetters[] = {0x80, 0x81, 0x87, 0x8D, 0x94, 0x98, 0x99, 0x9A, 0x9E, 0x9F, 0xA6, 0xA7};

bool plainAscii() {
  const char* codeset = nl_langinfo(CODESET);
  return std::strcmp(codeset, "ANSI_X3.4-1968") == 0 || std::strcmp(codeset, "ASCII") == 0;
}

}  // namespace

StandIn standInFor(std::uint8_t byte) {
  StandIn standIn{'?', 0};
  if (byte >= 0x80) standIn.plain = kPlainUpperHalf[byte - 0x80];
  if (byte == 0 || (byte >= 0x20 && byte < 0x7F)) standIn.plain = byte == 0 ? ' ' : static_cast<char>(byte);
  for (const LineDrawing& line : kLineDrawing)
    if (line.byte == byte) standIn.lineDrawing = line.vt100;
  return standIn;
}

TerminalCharset::TerminalCharset() : encoded_(256) {
  for (int byte = 0; byte < 256; ++byte) {
    char bytes[MB_LEN_MAX];
    std::mbstate_t state{};
    const auto ch = static_cast<wchar_t>(codepage::toUnicode(static_cast<std::uint8_t>(byte)));
    const std::size_t length = std::wcrtomb(bytes, ch, &state);
    if (length != static_cast<std::size_t>(-1)) encoded_[byte].assign(bytes, length);
  }
  turkish_ = true;
  for (std::uint8_t letter : kTurkishLetters) turkish_ = turkish_ && !encoded_[letter].empty();
  if (plainAscii()) input_ = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
}

TerminalCharset::~TerminalCharset() {
  if (input_ != static_cast<locale_t>(nullptr)) freelocale(input_);
}

std::string TerminalCharset::plainText(std::string_view text) const {
  std::string out;
  for (char c : text) {
    const auto byte = static_cast<std::uint8_t>(c);
    if (byte < 0x20 || byte == 0x7F) continue;
    out += encoded_[byte].empty() ? std::string(1, standInFor(byte).plain) : encoded_[byte];
  }
  return out;
}

void TerminalCharset::decode(std::string_view bytes, std::u32string& out) {
  const locale_t before = input_ != static_cast<locale_t>(nullptr) ? uselocale(input_) : static_cast<locale_t>(nullptr);
  for (char byte : bytes) {
    wchar_t ch = 0;
    std::size_t length = std::mbrtowc(&ch, &byte, 1, &state_);
    if (length == static_cast<std::size_t>(-1)) {  // broken off: an ASCII byte is a character of its own
      state_ = {};
      length = static_cast<unsigned char>(byte) < 0x80 ? std::mbrtowc(&ch, &byte, 1, &state_) : length;
    }
    if (length <= 1) out += static_cast<char32_t>(ch);
  }
  if (before != static_cast<locale_t>(nullptr)) uselocale(before);
}

}  // namespace kiv
