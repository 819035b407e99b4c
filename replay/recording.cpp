// Reading and writing recordings, line by line.
#include "replay/recording.h"

#include <charconv>
#include <cmath>
#include <istream>
#include <ostream>
#include <sstream>

#include "kiv/core/codepage.h"
#include "kiv/core/device.h"
#include "kiv/core/screen_buffer.h"
#include "replay/key_names.h"

namespace replay {
namespace {

// The rest of a line after its first word and one blank.
struct Words {
  std::string_view head;
  std::string_view rest;
};

Words splitFirst(std::string_view line) {
  const std::size_t blank = line.find(' ');
  if (blank == std::string_view::npos) return {line, {}};
  return {line.substr(0, blank), line.substr(blank + 1)};
}

bool toInt(std::string_view text, int& value, int base = 10) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  return error == std::errc() && end == text.data() + text.size();
}

bool toInt64(std::string_view text, std::int64_t& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

// UTF-8 text as code page 857 bytes; false if a character has none.
bool toCodePage(std::string_view utf8, std::string& bytes) {
  const std::string text(utf8);
  bytes.clear();
  for (std::size_t at = 0; at < text.size();) {
    const std::optional<char32_t> ch = kiv::codepage::nextUtf8(text, at);
    const std::optional<std::uint8_t> byte = ch ? kiv::codepage::fromUnicode(*ch) : std::nullopt;
    if (!byte) return false;
    bytes += static_cast<char>(*byte);
  }
  return true;
}

// "1800000000" or "1800000000.25" seconds, as milliseconds.
bool toClockMs(std::string_view text, std::int64_t& ms) {
  const std::size_t dot = text.find('.');
  std::int64_t seconds = 0;
  if (!toInt64(text.substr(0, dot), seconds) || seconds < 0 || seconds > 4'000'000'000'000) return false;
  int fraction = 0;
  if (dot != std::string_view::npos) {
    std::string digits(text.substr(dot + 1));
    if (digits.empty() || digits.size() > 3 || !toInt(digits, fraction) || fraction < 0) return false;
    digits.resize(3, '0');
    toInt(digits, fraction);
  }
  ms = seconds * 1000 + fraction;
  return true;
}

class Parser {
 public:
  explicit Parser(ParseResult& result) : result_(result) {}

  // Reads one line; false (with the error set) if it is malformed.
  bool line(int number, std::string_view text) {
    line_ = number;
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (text.empty() || text.front() == '#') return true;
    std::optional<std::int64_t> atMs;
    if (text.front() == '@') {
      const Words timed = splitFirst(text.substr(1));
      std::int64_t ms = 0;
      if (!toInt64(timed.head, ms) || ms < 0) return fail("a moment is written @ and milliseconds: @1500 key Enter");
      atMs = ms;
      text = timed.rest;
    }
    const auto [word, rest] = splitFirst(text);
    if (word == "type" || word == "key") return keys(word == "type", rest, atMs);
    if (atMs) return fail("only keys are pressed at a moment");
    if (word == "world" || word == "worlds" || word == "clock" || word == "size" || word == "progress")
      return setup(word, rest);
    return checkpoint(word, rest);
  }

 private:
  bool fail(std::string message) {
    result_.errorLine = line_;
    result_.error = std::move(message);
    return false;
  }

  Step step(Step::Kind kind) {
    Step s;
    s.kind = kind;
    s.line = line_;
    return s;
  }

  bool keys(bool typed, std::string_view rest, std::optional<std::int64_t> atMs) {
    std::vector<int> codes;
    if (typed) {
      std::string bytes;
      if (rest.empty()) return fail("type what? (type HAZIRIM)");
      if (!toCodePage(rest, bytes)) return fail("a character that cannot be typed: it is not in the game's code page");
      for (char c : bytes) codes.push_back(static_cast<unsigned char>(c));
    } else {
      std::istringstream names{std::string(rest)};
      for (std::string name; names >> name;) {
        const std::optional<std::vector<int>> key = keyCodes(name);
        if (!key) return fail("no key is called \"" + name + "\"");
        codes.insert(codes.end(), key->begin(), key->end());
      }
      if (codes.empty()) return fail("which key? (key Enter)");
    }
    for (int code : codes) {
      Step s = step(Step::Kind::Key);
      s.code = code;
      s.atMs = atMs;
      result_.recording.steps.push_back(s);
    }
    return true;
  }

  bool setup(std::string_view word, std::string_view rest) {
    if (!result_.recording.steps.empty())
      return fail(std::string(word) + " belongs before the first key or checkpoint");
    Setup& setup = result_.recording.setup;
    if (word == "world") {
      if (rest.empty()) return fail("world names a folder");
      setup.world = rest;
    } else if (word == "worlds") {
      std::istringstream folders{std::string(rest)};
      for (std::string folder; folders >> folder;) setup.choice.push_back(folder);
      if (setup.choice.empty()) return fail("worlds names the world folders of a story choice");
    } else if (word == "clock") {
      if (!toClockMs(rest, setup.clockMs)) return fail("clock is a calendar time in seconds: clock 1800000000");
    } else if (word == "size") {
      const std::size_t x = rest.find('x');
      if (x == std::string_view::npos || !toInt(rest.substr(0, x), setup.columns) ||
          !toInt(rest.substr(x + 1), setup.rows) || setup.columns < kiv::ScreenBuffer::kColumns ||
          setup.rows < kiv::kFewestRows || setup.rows > kiv::ScreenBuffer::kRows)
        return fail("size is columns x rows, at least " + std::to_string(kiv::ScreenBuffer::kColumns) + "x" +
                    std::to_string(kiv::kFewestRows) + ": size 80x25");
    } else if (rest == "none") {
      setup.progress = Setup::Progress::None;
    } else {
      if (rest.empty()) return fail("progress is the progress file on one line, or none");
      setup.progress = Setup::Progress::Given;
      setup.progressText = rest;
    }
    return true;
  }

  // Reads "X Y" (or "Y" alone) from the front of `rest`, leaving the text after them.
  bool position(std::string_view& rest, int* x, int& y) {
    Words first = splitFirst(rest);
    if (x != nullptr) {
      if (!toInt(first.head, *x) || *x < 0 || *x >= kiv::ScreenBuffer::kColumns) return false;
      first = splitFirst(first.rest);
    }
    if (!toInt(first.head, y) || y < 0 || y >= kiv::ScreenBuffer::kRows) return false;
    rest = first.rest;
    return true;
  }

  bool checkpoint(std::string_view word, std::string_view rest) {
    using Kind = Step::Kind;
    Step s;
    if (word == "see" || word == "not" || word == "title") {
      s = step(word == "see" ? Kind::See : word == "not" ? Kind::NotSee : Kind::Title);
      if (rest.empty() && s.kind != Kind::Title) return fail(std::string(word) + " what?");
    } else if (word == "row") {
      s = step(Kind::Row);
      if (!position(rest, nullptr, s.y)) return fail("row is a row number and its text: row 4 KOMUT :");
    } else if (word == "at") {
      s = step(Kind::At);
      if (!position(rest, &s.x, s.y) || rest.empty()) return fail("at is a column, a row and a text: at 62 6 UYAN");
    } else if (word == "colour") {
      s = step(Kind::Colour);
      if (!position(rest, &s.x, s.y) || rest.size() != 2 || !toInt(rest, s.number, 16))
        return fail("colour is a column, a row and two hexadecimal digits: colour 60 6 02");
      return push(s);
    } else if (word == "heard") {
      s = step(Kind::Heard);
      std::istringstream tones{std::string(rest)};
      for (std::string tone; tones >> tone;) {
        const std::size_t colon = tone.find(':');
        int frequency = 0, ms = 0;
        if (colon == std::string::npos || !toInt(std::string_view(tone).substr(0, colon), frequency) ||
            !toInt(std::string_view(tone).substr(colon + 1), ms))
          return fail("heard lists tones as frequency:ms, such as 196:200");
        s.tones.emplace_back(frequency, ms);
      }
      if (s.tones.empty()) return fail("heard what? (heard 196:200 293:200)");
      return push(s);
    } else if (word == "saved") {
      s = step(Kind::Saved);
      if (rest.empty()) return fail("saved what?");
      s.text = rest;
      return push(s);
    } else if (word == "exit") {
      s = step(Kind::Exit);
      if (!toInt(rest, s.number)) return fail("exit is the exit status: exit 1");
      return push(s);
    } else {
      return fail("\"" + std::string(word) + "\" is neither a key, a checkpoint nor a setting");
    }
    if (!toCodePage(rest, s.text)) return fail("a character the screen cannot show: it is not in the game's code page");
    return push(s);
  }

  bool push(const Step& s) {
    result_.recording.steps.push_back(s);
    return true;
  }

  ParseResult& result_;
  int line_ = 0;
};

}  // namespace

ParseResult parseRecording(std::istream& in) {
  ParseResult result;
  Parser parser(result);
  int number = 0;
  for (std::string text; std::getline(in, text);)
    if (!parser.line(++number, text)) break;
  return result;
}

void writeSetup(std::ostream& out, const Setup& setup) {
  out << "# Thalvorine recording: replay with thalvorine-replay (see docs/recordings.md)\n";
  if (!setup.world.empty()) out << "world " << setup.world << '\n';
  out << "clock " << setup.clockMs / 1000 << '.';
  const std::int64_t ms = setup.clockMs % 1000;
  out << static_cast<char>('0' + ms / 100) << static_cast<char>('0' + ms / 10 % 10) << static_cast<char>('0' + ms % 10);
  out << "\nsize " << setup.columns << 'x' << setup.rows << '\n';
  if (setup.progress == Setup::Progress::None) out << "progress none\n";
  if (setup.progress == Setup::Progress::Given) out << "progress " << setup.progressText << '\n';
}

void writeKey(std::ostream& out, std::int64_t atMs, int first, int second) {
  out << '@' << atMs << ' ';
  const std::optional<char32_t> ch =
      second < 0 && first > kiv::key::kSpace ? std::optional<char32_t>(kiv::codepage::toUnicode(first)) : std::nullopt;
  if (ch && kiv::codepage::fromUnicode(*ch) == first) {
    std::string utf8;
    kiv::codepage::appendUtf8(utf8, *ch);
    out << "type " << utf8 << '\n';
  } else {
    out << "key " << keyName(first, second) << '\n';
  }
  out.flush();
}

}  // namespace replay
