// Line limits, typeable names and number blocks of room and object documents.
#include "tools/record_check.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "tools/typeable.h"

namespace worldtool {
namespace {

struct Token {
  std::string text;
  int line;
};

std::vector<Token> tokensAfter(const SourceFile& file, int textLines) {
  std::vector<Token> tokens;
  for (const SourceLine& line : file.lines) {
    if (line.number <= textLines) continue;
    std::size_t pos = 0;
    const char* blanks = " \t\v\f\r";
    while ((pos = line.utf8.find_first_not_of(blanks, pos)) != std::string::npos) {
      const std::size_t end = std::min(line.utf8.find_first_of(blanks, pos), line.utf8.size());
      tokens.push_back({line.utf8.substr(pos, end - pos), line.number});
      pos = end;
    }
  }
  return tokens;
}

// The value of a decimal integer token (a sign allowed), if it is one.
std::optional<long long> decimal(const std::string& text) {
  const char* first = text.data() + (text[0] == '+' ? 1 : 0);
  const char* last = text.data() + text.size();
  long long value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

// Empty if `value` suits `field`, otherwise what is wrong with it.
std::string rangeFault(const NumberField& field, long long value) {
  if (field.kind == NumberKind::Flag) {
    return value == 0 || value == 1 ? "" : field.name + " must be 0 or 1, not " + std::to_string(value);
  }
  if (value >= 0 && value <= kLastCode) return "";
  return field.name + ": code " + std::to_string(value) + " is out of range (1 to 99, or 0 for none)";
}

}  // namespace

const ReadNumber& Record::number(const RecordLayout& layout, const std::string& field) const {
  return numbers.at(static_cast<std::size_t>(layout.indexOf(field)));
}

Record checkRecord(const SourceFile& file, const RecordLayout& layout, Problems& problems) {
  const auto report = [&](int line, const std::string& what) { problems.push_back({file.name, line, what}); };
  Record record{file.name, file.lines.size() >= 2 ? file.lines[1].utf8 : "", {}, false};
  record.numbers.resize(layout.numbers.size());

  for (const SourceLine& line : file.lines) {
    const int limit = layout.limitOf(line.number);
    if (line.number > layout.lineCount() || limit == 0 || static_cast<int>(line.bytes.size()) <= limit) continue;
    report(line.number, "line holds " + std::to_string(line.bytes.size()) + " characters; " +
                            (limit == kShortLimit ? "a name or label" : "a text line") + " holds at most " +
                            std::to_string(limit));
  }
  if (layout.typedName && file.lines.size() >= 2) {
    const std::string why = whyNotTypeable(file.lines[1].bytes);
    if (!why.empty()) report(2, "the name \"" + record.name + "\" " + why + ", so it can never be typed");
  }

  const int lineCount = static_cast<int>(file.lines.size());
  const std::string article = layout.kind.find_first_of("aeiou") == 0 ? "an " : "a ";
  const std::string needs = article + layout.kind + " has " + std::to_string(layout.lineCount()) +
                            " text lines, then " + std::to_string(layout.numbers.size()) + " numbers";
  if (lineCount < layout.lineCount()) {
    report(lineCount, lineCount == 0 ? "is empty; " + needs
                                     : "the document ends after line " + std::to_string(lineCount) + "; " + needs);
    return record;
  }

  bool valid = true;
  const std::vector<Token> tokens = tokensAfter(file, layout.lineCount());
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (i == layout.numbers.size()) {
      report(tokens[i].line, "\"" + tokens[i].text + "\" follows the " + std::to_string(i) +
                                 " numbers; the game ignores it (a miscounted line above?)");
      break;
    }
    const NumberField& field = layout.numbers[i];
    const std::optional<long long> value = decimal(tokens[i].text);
    const std::string fault =
        !value ? "\"" + tokens[i].text + "\" is not a number (" + field.name + " expected)" : rangeFault(field, *value);
    if (!fault.empty()) {
      report(tokens[i].line, fault);
      valid = false;
      continue;
    }
    record.numbers[i] = {static_cast<int>(*value), tokens[i].line};
  }
  if (tokens.size() < layout.numbers.size()) {
    report(lineCount, "missing numbers: " + needs + ", but only " + std::to_string(tokens.size()) + " follow (" +
                          layout.numbers[tokens.size()].name + " is the first one missing)");
    valid = false;
  }
  record.numbersValid = valid;
  return record;
}

}  // namespace worldtool
