// Reading recordings: what each line becomes, and where a broken one is named.
#include "replay/recording.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace std::string_literals;

replay::ParseResult parse(const std::string& text) {
  std::istringstream in(text);
  return replay::parseRecording(in);
}

TEST(Recording, KeysSettingsAndCheckpointsAreReadLineByLine) {
  const auto parsed = parse(
      "# a comment\n\nworld ../w\nclock 1800000001.25\nsize 80x30\nprogress <RunningTime>2</RunningTime>\n"
      "type Şi \nkey Up F1 65 Esc\n@1500 key Enter\nsee Çık \nat 3 4 KOMUT :\ncolour 60 6 0e\n"
      "heard 196:200 293:200\nrow 7\nexit 1\n");
  ASSERT_EQ(parsed.errorLine, 0) << parsed.error;
  const replay::Recording& r = parsed.recording;
  EXPECT_EQ(
      std::tuple(r.setup.world, r.setup.clockMs, r.setup.rows, r.setup.progress, r.setup.progressText),
      std::tuple("../w"s, 1'800'000'001'250, 30, replay::Setup::Progress::Given, "<RunningTime>2</RunningTime>"s));

  std::vector<int> codes;
  for (const auto& step : r.steps)
    if (step.isKey()) codes.push_back(step.code);
  // Ş is 0x9E and i 0x69 in the game's code page; the blank is typed too.
  // An arrow's and a function key's first code come marked (0x100) as the first of two.
  EXPECT_EQ(codes, (std::vector<int>{0x9E, 0x69, 32, 0x1E0, 72, 0x100, 59, 65, 27, 13}));
  EXPECT_EQ(std::tuple(r.steps[8].atMs.has_value(), r.steps[9].atMs, r.steps[9].line), std::tuple(false, 1500, 9));
  // Ç ı k and the blank, as the screen holds them.
  EXPECT_EQ(std::pair(r.steps[10].kind, r.steps[10].text), std::pair(replay::Step::Kind::See, "\x80\x8D\x6B "s));
  EXPECT_EQ(std::tuple(r.steps[11].x, r.steps[11].text, r.steps[12].number), std::tuple(3, "KOMUT :"s, 0x0E));
  EXPECT_EQ(r.steps[13].tones, (std::vector<std::pair<int, int>>{{196, 200}, {293, 200}}));
  EXPECT_EQ(std::tuple(r.steps[14].kind, r.steps[14].text, r.steps[15].number),
            std::tuple(replay::Step::Kind::Row, ""s, 1));
}

TEST(Recording, EachKeyIsWrittenByItsNameAndReadBackAsItsCodes) {
  const struct {
    int first, second;
    const char* line;
    std::vector<int> read;
  } keys[] = {
      {13, -1, "key Enter", {13}},
      {27, -1, "key Esc", {27}},
      {9, -1, "key Tab", {9}},
      {8, -1, "key Backspace", {8}},
      {32, -1, "key Space", {32}},
      {224, 72, "key Up", {0x1E0, 72}},
      {224, 80, "key Down", {0x1E0, 80}},
      {224, 75, "key Left", {0x1E0, 75}},
      {224, 77, "key Right", {0x1E0, 77}},
      {224, 71, "key Home", {0x1E0, 71}},
      {224, 79, "key End", {0x1E0, 79}},
      {224, 73, "key PgUp", {0x1E0, 73}},
      {224, 81, "key PgDn", {0x1E0, 81}},
      {224, 82, "key Ins", {0x1E0, 82}},
      {224, 83, "key Del", {0x1E0, 83}},
      {0, 59, "key F1", {0x100, 59}},
      {0, 63, "key F5", {0x100, 63}},
      {0, 68, "key F10", {0x100, 68}},
      {224, 91, "key 224 91", {224, 91}},
      {3, -1, "key 3", {3}},
      // Typed letters, Ó (the byte an arrow starts with) among them.
      {'A', -1, "type A", {'A'}},
      {0x9E, -1, "type Ş", {0x9E}},
      {0xE0, -1, "type Ó", {0xE0}},
  };
  for (const auto& [first, second, line, read] : keys) {
    std::ostringstream written;
    replay::writeKey(written, 5, first, second);
    EXPECT_EQ(written.str(), "@5 "s + line + "\n");
    std::vector<int> codes;
    for (const auto& step : parse(written.str()).recording.steps) codes.push_back(step.code);
    EXPECT_EQ(codes, read) << line;
  }
}

TEST(Recording, ABrokenLineIsNamedAndEndsTheReading) {
  const std::pair<const char*, int> broken[] = {
      {"type\n", 1},              // nothing to type
      {"key Enter Return\n", 1},  // no such key
      {"key 256\n", 1},           // a raw code is a byte
      {"type €\n", 1},            // not in the code page
      {"clock soon\n", 1},
      {"size 79x25\n", 1},     // narrower than the game
      {"size 80x22\n", 1},     // lower than any screen can be played in
      {"size 80x301\n", 1},    // more rows than the screen buffer
      {"colour 60 6 2\n", 1},  // two hexadecimal digits
      {"at 80 0 X\n", 1},      // past the last column
      {"@12 see X\n", 1},      // only keys have a moment
      {"@-5 key Enter\n", 1},
      {"heard 196-200\n", 1},
      {"exit\n", 1},
      {"key Enter\nworld w\n", 2},        // settings come first
      {"see X\nfrobnicate\nsee Y\n", 2},  // an unknown word
  };
  for (const auto& [text, line] : broken) {
    const auto parsed = parse(text);
    EXPECT_EQ(parsed.errorLine, line) << text;
    EXPECT_FALSE(parsed.error.empty()) << text;
  }
}

}  // namespace
