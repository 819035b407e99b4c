// Loading room and object documents, and their title boxes.
#include "game/language.h"
#include "unit_support.h"

namespace {

std::string nth(int line) { return "line " + std::to_string(line); }
// A document: a header line, the name, text lines that say which line they
// are ("line 3" ...) up to line `lastText`, then `numbers`.
std::string doc(const std::string& name, int lastText, const std::string& numbers) {
  std::string text = "header\n" + name + "\n";
  for (int line = 3; line <= lastText; ++line) text += nth(line) + "\n";
  return text + numbers + "\n";
}
const std::string kRoomNumbers =
    "0 1 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30";
std::string roomDoc(const std::string& name, const std::string& codes = kRoomNumbers) { return doc(name, 22, codes); }
std::string objectDoc(const std::string& name) { return doc(name, 46, "1 1 7 0 3 4 5\n8 9 10 11 12"); }
// Every `what` in `text` replaced by `with`.
std::string replaced(std::string text, const std::string& what, const std::string& with) {
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
  return text;
}

using Records = GameUnit;  // loading into the game's tables, rooms oda[] and objects esya[]

TEST_F(Records, RoomFieldsFollowTheDocumentsOrderWhateverTheBlanksAndLineEnds) {
  for (const std::string& document : {roomDoc("Koridor"), roomDoc("Koridor", replaced(kRoomNumbers, " ", " \t\n ")),
                                      replaced(roomDoc("Koridor"), "\n", "\r\n")}) {
    writeFile("rooms/1.room", document);
    ASSERT_TRUE(oda[1].initialize("rooms/", 1));
    EXPECT_STREQ(oda[1].getName(), "Koridor");
    for (int i = 0; i < 5; ++i)
      EXPECT_EQ(std::tuple(oda[1].getDescription(i), oda[1].getLinkedDescription(i),
                           oda[1].getDescriptionWhileLocked(i), oda[1].getDescriptionWhileDark(i)),
                std::tuple(nth(3 + i), nth(8 + i), nth(13 + i), nth(18 + i)));
    EXPECT_EQ(std::pair(oda[1].getIsThatLocked(), oda[1].getIsThatDark()), std::pair(false, true));
    for (int i = 0; i < 10; ++i)
      EXPECT_EQ(std::tuple(oda[1].getLink(i), oda[1].getContents(i), oda[1].getContentsWhileDark(i)),
                std::tuple(1 + i, 11 + i, 21 + i));
  }
}

TEST_F(Records, ObjectFieldsFollowTheDocumentsOrderAndAnOverlongLabelKeepsItsStart) {
  writeFile("objects/1.object", replaced(objectDoc("FENER"), "line 40", "ABCDEFGHIJKLMNOPQRSTUVWXY"));
  ASSERT_TRUE(esya[1].initialize("objects/", 1));
  // (The scenes show the other texts, each from its own place in their documents.)
  const std::pair<const char*, int> texts[] = {{esya[1].getDescription(0), 3}, {esya[1].getExamineText(4), 12},
      {esya[1].getWhenYouLeaveText(2), 18}, {esya[1].getLeftDescription(0), 19}, {esya[1].getTakeIntoHandsTitle(), 22},
      {esya[1].getUnableToCombineText(0), 30}, {esya[1].getCombinationText(2), 35},
      {esya[1].getInteractionWithAnotherObjectText(2), 46}};
  for (auto [text, line] : texts) EXPECT_EQ(text, nth(line));
  EXPECT_STREQ(esya[1].getPassivationTitle(), "ABCDEFGHIJKLMNOPQRS");  // a label, though its field is wider
  EXPECT_EQ(std::tuple(esya[1].getObjectToInteract(), esya[1].getObjectToCombine()), std::tuple(3, 4));
  EXPECT_EQ(esya[1].getNewObjectAfterCombination(), 5);  // (the scenes check the flags read before these)
}

TEST_F(Records, OverlongLinesKeepTheirStartAndAShortDocumentLeavesTheRestEmpty) {
  writeFile("rooms/1.room", replaced(roomDoc("ABCDEFGHIJKLMNOPQRSTUVWXY"), "line 3", std::string(600, 'x')));
  ASSERT_TRUE(oda[1].initialize("rooms/", 1));
  EXPECT_STREQ(oda[1].getName(), "ABCDEFGHIJKLMNOPQRS");
  EXPECT_EQ(std::tuple(oda[1].getDescription(0), oda[1].getDescription(1)), std::tuple(std::string(499, 'x'), nth(4)));
  EXPECT_EQ(oda[1].getContentsWhileDark(9), 30);
  writeFile("rooms/2.room", "h\nKisa\nline 3");
  rooms cut;
  ASSERT_TRUE(cut.initialize("rooms/", 2));
  EXPECT_EQ(std::tuple(cut.getDescription(0), cut.getDescriptionWhileDark(4), cut.getContents(0)),
            std::tuple(nth(3), std::string(), 0));
  EXPECT_FALSE(cut.initialize("rooms/", 3));  // missing: changes nothing
  EXPECT_STREQ(cut.getName(), "Kisa");
}

TEST_F(Records, CodesOutsideTheTablesAreEmptySlotsAndABadNumberEndsTheReading) {
  writeFile("rooms/1.room", roomDoc("A", "0 0 100 -1 99 5 0 0 0 0 0 0 7 x 8"));
  ASSERT_TRUE(oda[1].initialize("rooms/", 1));
  EXPECT_EQ(std::vector({oda[1].getLink(0), oda[1].getLink(1), oda[1].getLink(2), oda[1].getLink(3)}),
            std::vector({0, 0, 99, 5}));
  EXPECT_EQ(std::pair(oda[1].getContents(0), oda[1].getContents(2)), std::pair(7, 0));
  writeFile("rooms/2.room", roomDoc("B", "0 2 4"));
  ASSERT_TRUE(oda[1].initialize("rooms/", 2));
  EXPECT_EQ(std::pair(oda[1].getIsThatDark(), oda[1].getLink(0)), std::pair(true, 0));  // 2: true, and the end
}

TEST_F(Records, LoadingStopsAtTheFirstGapAndAtCode99) {
  // Rooms 1 to 100: reading the 100th would write past the table, which the
  // sanitizer build reports.
  for (int code = 1; code <= 100; ++code) writeFile("rooms/" + std::to_string(code) + ".room", roomDoc("R"));
  for (int code : {1, 2, 4}) writeFile("objects/" + std::to_string(code) + ".object", objectDoc(std::to_string(code)));
  initialize();
  EXPECT_EQ(std::tuple(oda[99].getName(), esya[2].getName(), esya[4].getName()),
            std::tuple(std::string("R"), std::string("2"), std::string()));
}

TEST_F(Records, TitleBoxesCentreTheNameBetweenTheirWalls) {
  const auto edge = [](int at, int blocks) { return std::string(at, ' ') + std::string(blocks, '\xDB'); };
  const auto wall = [&](int at, std::string in) { return edge(at, 1) + in.append(23 - in.size(), ' ') + "\xDB"; };
  for (const auto& [name, left] : {std::pair<std::string, int>{"", 11}, {"EVEN", 9}, {"ABCDEFGHIJKLMNOPQRS", 2}}) {
    writeFile("rooms/1.room", roomDoc(name));
    writeFile("objects/1.object", objectDoc(name));
    ASSERT_TRUE(oda[1].initialize("rooms/", 1) && esya[1].initialize("objects/", 1));
    kiv::Clear();
    oda[1].title_page();  // on a bar, with the next text eight rows down
    esya[1].title_page();
    const std::string named = std::string(left, ' ') + name;
    const std::string expected[] = {"", "", edge(27, 25), wall(27, ""), wall(27, named), wall(27, ""), edge(0, 80), "",
                                    edge(11, 25), wall(11, ""), wall(11, named), wall(11, ""), edge(11, 25), ""};
    for (int y = 0; y < 14; ++y) EXPECT_EQ(kiv::rowText(kiv::screen(), y), expected[y]) << name << " row " << y;
    EXPECT_EQ(std::pair(kiv::getCursorPosX(), kiv::getCursorPosY()), std::pair(0, 13));
  }
}

TEST_F(Records, LeftItemsLoseOneEqualEntry) {
  for (int code : {3, 5, 3}) oda[1].addLeftItem(code);
  for (int code : {3, 9}) oda[1].removeLeftItem(code);
  ASSERT_EQ(oda[1].getNumberOfLeftItems(), 2);
  EXPECT_EQ(std::pair(oda[1].getLeftItem(0), oda[1].getLeftItem(1)), std::pair(5, 3));
}

}  // namespace
