// Loading room and object documents, and their title boxes.
#include <gtest/gtest.h>


#include "game/game_state.h"
#include "game/language.h"
#include "unit_support.h"

namespace {

// Text lines that say which line of the document they are: "line 3" ...
std::string lines(int from, int to) {
  std::string text;
  for (int i = from; i <= to; ++i) text += "line " + std::to_string(i) + "\n";
  return text;
}
std::string nth(int line) { return "line " + std::to_string(line); }

const std::string kRoomNumbers =
    "0 1 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30";
std::string roomDoc(const std::string& name, const std::string& numbers = kRoomNumbers) {
  return "any header\n" + name + "\n" + lines(3, 22) + numbers + "\n";
}
std::string objectDoc(const std::string& name, const std::string& numbers = "1 1 7 0 3 4 5\n8 9 10 11 12") {
  return "header\n" + name + "\n" + lines(3, 46) + numbers + "\n";
}
// Every `what` in `text` replaced by `with`.
std::string replaced(std::string text, const std::string& what, const std::string& with) {
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
  return text;
}

class Records : public testing::Test {
 protected:
  void SetUp() override {
    kiv::attach(dev);
    resetGameState();
  }
  kiv::VirtualDevice dev;
  TempFolder folder;
  rooms room;
  objects object;
};

class RoomLayouts : public Records, public testing::WithParamInterface<std::string> {};

TEST_P(RoomLayouts, FillTheFieldsInTheDocumentsOrder) {
  writeFile("rooms/1.room", GetParam());
  ASSERT_TRUE(room.initialize("rooms/", 1));
  EXPECT_STREQ(room.getName(), "Koridor");
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(room.getDescription(i), nth(3 + i));
    EXPECT_EQ(room.getLinkedDescription(i), nth(8 + i));
    EXPECT_EQ(room.getDescriptionWhileLocked(i), nth(13 + i));
    EXPECT_EQ(room.getDescriptionWhileDark(i), nth(18 + i));
  }
  EXPECT_FALSE(room.getIsThatLocked());
  EXPECT_TRUE(room.getIsThatDark());
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(std::tuple(room.getLink(i), room.getContents(i), room.getContentsWhileDark(i)),
              std::tuple(1 + i, 11 + i, 21 + i));
}

INSTANTIATE_TEST_SUITE_P(Records, RoomLayouts, testing::Values(
    roomDoc("Koridor"), roomDoc("Koridor", replaced(kRoomNumbers, " ", "\n")),
    roomDoc("Koridor", replaced(kRoomNumbers, " ", " \t ")), replaced(roomDoc("Koridor"), "\n", "\r\n")));

TEST_F(Records, OverlongLinesKeepTheirStartAndLaterFieldsStillLoad) {
  writeFile("rooms/1.room", replaced(roomDoc("ABCDEFGHIJKLMNOPQRSTUVWXY"), "line 3", std::string(600, 'x')));
  ASSERT_TRUE(room.initialize("rooms/", 1));
  EXPECT_STREQ(room.getName(), "ABCDEFGHIJKLMNOPQRS");
  EXPECT_EQ(room.getDescription(0), std::string(499, 'x'));
  EXPECT_EQ(room.getDescription(1), nth(4));
  EXPECT_EQ(room.getContentsWhileDark(9), 30);
  writeFile("objects/1.object", replaced(objectDoc("FENER"), "line 40", "ABCDEFGHIJKLMNOPQRSTUVWXY"));
  ASSERT_TRUE(object.initialize("objects/", 1));
  EXPECT_STREQ(object.getPassivationTitle(), "ABCDEFGHIJKLMNOPQRS");  // a label, though its field is wider
  EXPECT_EQ(object.getDeactivatingText(0), nth(41));
  EXPECT_EQ(object.getNewObjectAfterCombination(), 5);
}

TEST_F(Records, AShortDocumentLeavesTheRestEmptyAndAMissingOneChangesNothing) {
  writeFile("rooms/1.room", "h\nKisa\nline 3");
  ASSERT_TRUE(room.initialize("rooms/", 1));
  EXPECT_EQ(room.getDescription(0), nth(3));
  EXPECT_STREQ(room.getDescriptionWhileDark(4), "");
  EXPECT_EQ(room.getContents(0), 0);
  EXPECT_FALSE(room.initialize("rooms/", 2));
  EXPECT_STREQ(room.getName(), "Kisa");
  writeFile("objects/1.object", objectDoc("NUMARASIZ", ""));
  ASSERT_TRUE(object.initialize("objects/", 1));
  EXPECT_FALSE(object.getCanPickUp());
}

TEST_F(Records, CodesOutsideTheTablesAreEmptySlotsAndABadNumberEndsTheReading) {
  writeFile("rooms/1.room", roomDoc("A", "0 0 100 -1 99 5 0 0 0 0 0 0 7 x 8"));
  ASSERT_TRUE(room.initialize("rooms/", 1));
  EXPECT_EQ(std::vector({room.getLink(0), room.getLink(1), room.getLink(2), room.getLink(3)}),
            std::vector({0, 0, 99, 5}));
  EXPECT_EQ(std::pair(room.getContents(0), room.getContents(2)), std::pair(7, 0));
  writeFile("rooms/2.room", roomDoc("B", "0 2 4"));
  ASSERT_TRUE(room.initialize("rooms/", 2));
  EXPECT_TRUE(room.getIsThatDark());  // 2 reads as true, and nothing after it
  EXPECT_EQ(room.getLink(0), 0);
}

TEST_F(Records, ObjectFieldsFollowTheDocumentsOrder) {
  writeFile("objects/1.object", objectDoc("FENER"));
  ASSERT_TRUE(object.initialize("objects/", 1));
  const std::pair<const char*, int> texts[] = {
      {object.getDescription(0), 3}, {object.getExamineText(4), 12}, {object.getPickingUpText(0), 13},
      {object.getWhenYouLeaveText(2), 18}, {object.getLeftDescription(0), 19}, {object.getTakeIntoHandsTitle(), 22},
      {object.getTookIntoHandsText(), 23}, {object.getPutIntoPocketsText(), 24}, {object.getUnableToCombineText(0), 30},
      {object.getCombinationText(2), 35}, {object.getInteractTitle(), 36}, {object.getActivatingText(0), 37},
      {object.getPassivationTitle(), 40}, {object.getDeactivatingText(2), 43},
      {object.getInteractionWithAnotherObjectText(2), 46}};
  for (auto [text, line] : texts) EXPECT_EQ(text, nth(line));
  EXPECT_EQ(std::tuple(object.getCanPickUp(), object.getCanInteract(), object.getIsThatActive()),
            std::tuple(true, true, false));
  EXPECT_EQ(std::tuple(object.getObjectToInteract(), object.getObjectToCombine(), object.getNewObjectAfterCombination()),
            std::tuple(3, 4, 5));
}

TEST_F(Records, LoadingStopsAtTheFirstGapAndAtCode99) {
  // Rooms 1 to 100: reading the 100th would write past the table, which the
  // sanitizer build reports.
  for (int code = 1; code <= 100; ++code) writeFile("rooms/" + std::to_string(code) + ".room", roomDoc("R" + std::to_string(code)));
  for (int code : {1, 2, 4}) writeFile("objects/" + std::to_string(code) + ".object", objectDoc("O" + std::to_string(code)));
  initialize();
  EXPECT_STREQ(oda[99].getName(), "R99");
  EXPECT_STREQ(esya[2].getName(), "O2");
  EXPECT_STREQ(esya[4].getName(), "");
}

struct Box {
  std::string name;
  int left;  // blanks between the left wall and the name
};

class TitleBoxes : public Records, public testing::WithParamInterface<Box> {
 protected:
  static std::string row(int y) { return kiv::rowText(kiv::screen(), y); }
  static std::string walls(int at, const std::string& inside = std::string(23, ' ')) {
    return std::string(at, ' ') + "\xDB" + inside + "\xDB";
  }
  std::string named(int at) {
    const Box& box = GetParam();
    return walls(at, std::string(box.left, ' ') + box.name + std::string(23 - box.left - box.name.size(), ' '));
  }
};

TEST_P(TitleBoxes, RoomBoxStandsOnABar) {
  writeFile("rooms/1.room", roomDoc(GetParam().name));
  ASSERT_TRUE(room.initialize("rooms/", 1));
  room.title_page();
  const std::string expected[] = {"", "", std::string(27, ' ') + std::string(25, '\xDB'), walls(27), named(27),
                                  walls(27), std::string(80, '\xDB'), ""};
  for (int y = 0; y < 8; ++y) EXPECT_EQ(row(y), expected[y]) << y;
  EXPECT_EQ(std::pair(kiv::getCursorPosX(), kiv::getCursorPosY()), std::pair(0, 8));
}

TEST_P(TitleBoxes, ObjectBoxIsClosed) {
  writeFile("objects/1.object", objectDoc(GetParam().name));
  ASSERT_TRUE(object.initialize("objects/", 1));
  kiv::SetCursorPosition(0, 8);
  object.title_page();
  const std::string edge = std::string(11, ' ') + std::string(25, '\xDB');
  const std::string expected[] = {edge, walls(11), named(11), walls(11), edge};
  for (int y = 0; y < 5; ++y) EXPECT_EQ(row(8 + y), expected[y]) << y;
  EXPECT_EQ(std::pair(kiv::getCursorPosX(), kiv::getCursorPosY()), std::pair(0, 13));
}

INSTANTIATE_TEST_SUITE_P(Records, TitleBoxes,
                         testing::Values(Box{"", 11}, Box{"KUTUPHANE1", 6}, Box{"ABCDEFGHIJKLMNOPQRS", 2}));

TEST_F(Records, LeftItemsAndPocketsLoseOneEqualEntry) {
  for (int code : {3, 5, 3}) room.addLeftItem(code), inventory.addItem(code);
  for (int code : {3, 9}) room.removeLeftItem(code), inventory.removeItem(code);
  ASSERT_EQ(std::pair(room.getNumberOfLeftItems(), inventory.getNumberOfItems()), std::pair(2, 2));
  EXPECT_EQ(std::pair(room.getLeftItem(0), room.getLeftItem(1)), std::pair(5, 3));
  EXPECT_EQ(std::pair(inventory.getItem(0), inventory.getItem(1)), std::pair(5, 3));
}

}  // namespace
