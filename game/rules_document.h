// The world's rules document, "rules.txt": one rule a line,
// "<object> <room> <effect> [<room>] [needs-passer]", or the setting
// "holding-texts on"; '#' starts a comment.
#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "game/use_rules.h"

inline constexpr const char* kRulesDocument = "rules.txt";

// One line of a rules document as read.
struct RulesLine {
  enum class Kind { Empty, Rule, HoldingTexts, Fault };
  Kind kind = Kind::Empty;
  UseRule rule{};
  std::string fault;  // what is wrong with the line, for Kind::Fault
};

// Reads one line (without its line end; a CR left at its end is ignored).
RulesLine readRulesLine(std::string_view line);

// `rule` as a line of the document reads it back.
std::string ruleLine(const UseRule& rule);

// Every rule and setting of the document in `in`; lines with a fault are
// skipped (the world checker reports them).
WorldRules readRules(std::istream& in);

// The rules of the world in the working folder: its rules document, or the
// original rules when it has none.
WorldRules loadRules(const std::string& path = kRulesDocument);
