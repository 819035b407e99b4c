// Reading the world's rules document, line by line.
#include "game/rules_document.h"

#include <fstream>
#include <vector>

#include "game/record_reader.h"

namespace {

constexpr std::string_view kNeedsPasser = "needs-passer";

std::vector<std::string_view> wordsOf(std::string_view line) {
  line = line.substr(0, line.find('#'));
  std::vector<std::string_view> words;
  for (std::size_t at = 0;;) {
    at = line.find_first_not_of(" \t\r", at);
    if (at == std::string_view::npos) return words;
    const std::size_t end = line.find_first_of(" \t\r", at);
    words.push_back(line.substr(at, end - at));
    if (end == std::string_view::npos) return words;
    at = end;
  }
}

// A code from 1 to 99, or 0 when `word` is none.
int codeOf(std::string_view word) {
  if (word.empty() || word.size() > 2 || word[0] == '0') return 0;
  int code = 0;
  for (const char c : word) {
    if (c < '0' || c > '9') return 0;
    code = code * 10 + (c - '0');
  }
  return code;
}

RulesLine fault(std::string what) { return {RulesLine::Kind::Fault, {}, std::move(what)}; }

std::string quoted(std::string_view word) { return "\"" + std::string(word) + "\""; }

}  // namespace

RulesLine readRulesLine(std::string_view line) {
  const std::vector<std::string_view> words = wordsOf(line);
  if (words.empty()) return {};
  if (words[0] == "holding-texts") {
    if (words.size() == 2 && words[1] == "on") return {RulesLine::Kind::HoldingTexts, {}, ""};
    return fault("the setting is written \"holding-texts on\"");
  }
  if (words.size() < 3) return fault("a rule is \"<object> <room> <effect>\", as in \"4 1 answer\"");
  const int object = codeOf(words[0]);
  const int room = codeOf(words[1]);
  if (object == 0) return fault(quoted(words[0]) + " is not an object code (1 to 99)");
  if (room == 0) return fault(quoted(words[1]) + " is not a room code (1 to 99)");
  UseRule rule{ObjectCode{object}, RoomCode{room}, UseEffect::Answer, kNoRoom};
  std::size_t next = 3;
  const std::string_view effect = words[2];
  if (effect == "light" || effect == "lead") {
    const bool roomGiven = words.size() > 3 && words[3] != kNeedsPasser;
    const int then = roomGiven ? codeOf(words[3]) : effect == "light" ? room : 0;
    if (roomGiven && then == 0) return fault(quoted(words[3]) + " is not a room code (1 to 99)");
    if (then == 0) return fault("lead needs the room it leads to, as in \"6 1 lead 2\"");
    rule.effect = effect == "light" ? UseEffect::SwitchLight : UseEffect::LeadOn;
    rule.then = RoomCode{then};
    next += roomGiven ? 1 : 0;
  } else if (effect == "complete") {
    rule.effect = UseEffect::Complete;
  } else if (effect != "answer") {
    return fault("unknown effect " + quoted(effect) + ": light, answer, lead or complete");
  }
  if (next < words.size() && words[next] == kNeedsPasser) {
    if (rule.effect == UseEffect::SwitchLight)
      return fault("a switch cannot need an object in hands: its deactivating texts switch it off");
    rule.needsPasser = true;
    ++next;
  }
  if (next < words.size())
    return fault(quoted(words[next]) + " is not understood here; only needs-passer may end a rule");
  return {RulesLine::Kind::Rule, rule, ""};
}

std::string ruleLine(const UseRule& rule) {
  std::string line = std::to_string(indexOf(rule.object)) + " " + std::to_string(indexOf(rule.room)) + " ";
  switch (rule.effect) {
    case UseEffect::SwitchLight:
      line += "light " + std::to_string(indexOf(rule.then));
      break;
    case UseEffect::Answer:
      line += "answer";
      break;
    case UseEffect::LeadOn:
      line += "lead " + std::to_string(indexOf(rule.then));
      break;
    case UseEffect::Complete:
      line += "complete";
      break;
  }
  return rule.needsPasser ? line + " " + std::string(kNeedsPasser) : line;
}

WorldRules readRules(std::istream& in) {
  WorldRules rules;
  for (std::string line; std::getline(in, line);) {
    const RulesLine read = readRulesLine(line);
    if (read.kind == RulesLine::Kind::Rule) rules.uses.push_back(read.rule);
    if (read.kind == RulesLine::Kind::HoldingTexts) rules.holdingTexts = true;
  }
  return rules;
}

WorldRules loadRules(const std::string& path) {
  std::ifstream in;
  if (!openDocument(path, in)) return originalRules();
  return readRules(in);
}
