// The rules document as the game reads it: each rule, the setting, and a
// world without one playing by the original rules.
#include "game/rules_document.h"

#include <gtest/gtest.h>

#include <sstream>

#include "temp_folder.h"

namespace {

TEST(RulesDocument, ReadsEachRuleAndSkipsCommentsBlankAndBrokenLines) {
  std::istringstream document(
      "# a comment\r\n"
      "\r\n"
      "  12\t3 light   # the lamp lights its own room\r\n"
      "12 4 light 7\n"
      "6 1 lead 2 needs-passer\n"
      "9 99 complete\n"
      "4 1 answer\n"
      "4 1 shine\n"
      "04 1 answer\n"
      "holding-texts on\n");
  const WorldRules rules = readRules(document);
  EXPECT_TRUE(rules.holdingTexts);
  const struct {
    int object, room;
    UseEffect effect;
    int then;
    bool needsPasser;
  } expected[] = {{12, 3, UseEffect::SwitchLight, 3, false},
                  {12, 4, UseEffect::SwitchLight, 7, false},
                  {6, 1, UseEffect::LeadOn, 2, true},
                  {9, 99, UseEffect::Complete, 0, false},
                  {4, 1, UseEffect::Answer, 0, false}};
  ASSERT_EQ(rules.uses.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const UseRule& rule = rules.uses[i];
    EXPECT_EQ(indexOf(rule.object), expected[i].object) << i;
    EXPECT_EQ(indexOf(rule.room), expected[i].room) << i;
    EXPECT_EQ(rule.effect, expected[i].effect) << i;
    EXPECT_EQ(indexOf(rule.then), expected[i].then) << i;
    EXPECT_EQ(rule.needsPasser, expected[i].needsPasser) << i;
    EXPECT_EQ(readRulesLine(ruleLine(rule)).rule.then, rule.then) << "written as it is read: " << ruleLine(rule);
  }
  EXPECT_FALSE(rules.ruleFor(ObjectCode{12}, RoomCode{5}));
  EXPECT_EQ(indexOf(rules.ruleFor(ObjectCode{12}, RoomCode{4})->then), 7);
}

TEST(RulesDocument, AWorldWithoutOnePlaysByTheOriginalSevenRules) {
  TempFolder folder(true);
  const WorldRules original = loadRules();
  EXPECT_FALSE(original.holdingTexts);
  ASSERT_EQ(original.uses.size(), 7u);
  EXPECT_EQ(original.ruleFor(ObjectCode{6}, RoomCode{1})->then, RoomCode{2});
  EXPECT_EQ(original.ruleFor(ObjectCode{9}, RoomCode{3})->effect, UseEffect::Complete);
  folder.write("rules.txt", "4 2 answer\n");
  const WorldRules own = loadRules();
  ASSERT_EQ(own.uses.size(), 1u);
  EXPECT_FALSE(own.ruleFor(ObjectCode{6}, RoomCode{1})) << "only the document's rules count";
}

}  // namespace
