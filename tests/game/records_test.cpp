// Loading room and object documents into the game's tables (rooms oda[],
// objects esya[]), and their title boxes.
#include "game/language.h"
#include "game_unit.h"

namespace {

using Records = GameUnit;
using namespace std::string_literals;

// Lines `first` to `last` of a field's variants, each holding the field's
// name and number ("Description 2"), each ended with `end`.
std::string variants(const std::string& field, int first, int last, const std::string& end) {
  std::string lines;
  for (int i = first; i <= last; ++i) lines += field + " " + std::to_string(i) + end;
  return lines;
}

TEST_F(Records, RoomFieldsFollowTheDocumentsOrderWhateverTheBlanksAndLineEndsAndLongLinesKeepTheirStart) {
  for (const std::string end : {"\n", "\r\n"}) {
    // Written by hand in the order the documents keep: 22 text lines, then
    // IsThatLocked, IsThatDark, Links, Contents and ContentsWhileDark.
    folder.write("rooms/1.room", "a note" + end + "ABCDEFGHIJKLMNOPQRSTUVWXY" + end + std::string(600, 'x') + end +
                                     variants("Description", 2, 5, end) + variants("LinkedDescription", 1, 5, end) +
                                     variants("DescriptionWhileLocked", 1, 5, end) +
                                     variants("DescriptionWhileDark", 1, 5, end) + "0\t1 " + end +
                                     "1 2 3 4 5 6 7 8 9 10" + end + "11 12 13 14 15 16 17 18 19 20" + end +
                                     "21 22 23 24 25 26 27 28 29 30" + end);
    ASSERT_TRUE(oda[1].initialize("rooms/", 1));
    EXPECT_STREQ(oda[1].getName(), "ABCDEFGHIJKLMNOPQRS");
    // Each block's last line: a block read too short, too long or in another block's place shows.
    EXPECT_EQ(std::tuple(oda[1].getDescription(0), oda[1].getDescription(1), oda[1].getDescription(4),
                         oda[1].getLinkedDescription(4), oda[1].getDescriptionWhileLocked(4),
                         oda[1].getDescriptionWhileDark(4)),
              std::tuple(std::string(499, 'x'), "Description 2"s, "Description 5"s, "LinkedDescription 5"s,
                         "DescriptionWhileLocked 5"s, "DescriptionWhileDark 5"s));
    EXPECT_EQ(std::pair(oda[1].getIsThatLocked(), oda[1].getIsThatDark()), std::pair(false, true));
    for (int i = 0; i < 10; ++i)
      EXPECT_EQ(std::tuple(oda[1].getLink(i), oda[1].getContents(i), oda[1].getContentsWhileDark(i)),
                std::tuple(RoomCode{1 + i}, ObjectCode{11 + i}, ObjectCode{21 + i}));
  }
}

TEST_F(Records, ObjectFieldsFollowTheDocumentsOrderAndAnOverlongLabelKeepsItsStart) {
  // Written by hand in the order the documents keep: 46 text lines, then
  // CanPickUp, CanInteract, PasserObject, IsThatActive, ObjectToInteract,
  // ObjectToCombine, NewObjectAfterCombination and five Contents.
  const std::string end = "\n";
  folder.write("objects/1.object",
               "a note\nOBJECT1\n" + variants("Description", 1, 5, end) + variants("ExamineText", 1, 5, end) +
                   variants("PickingUpText", 1, 3, end) + variants("WhenYouLeaveText", 1, 3, end) +
                   variants("LeftDescription", 1, 3, end) + "TakeIntoHandsTitle\nTookIntoHandsText\n" +
                   "PutIntoPocketsText\n" + variants("HoldingText", 1, 5, end) +
                   variants("UnableToCombineText", 1, 3, end) + variants("CombinationText", 1, 3, end) +
                   "InteractTitle\n" + variants("ActivatingText", 1, 3, end) + "ABCDEFGHIJKLMNOPQRSTUVWXY\n" +
                   variants("DeactivatingText", 1, 3, end) + variants("InteractionWithAnotherObjectText", 1, 3, end) +
                   "1 0 7 1 3 4 5 0 0 0 0 0\n");
  ASSERT_TRUE(esya[1].initialize("objects/", 1));
  objects& o = esya[1];
  // Each block's last line, as in rooms.
  const std::pair<std::string, std::string> texts[] = {
      {o.getName(), "OBJECT1"},
      {o.getDescription(4), "Description 5"},
      {o.getExamineText(4), "ExamineText 5"},
      {o.getPickingUpText(2), "PickingUpText 3"},
      {o.getWhenYouLeaveText(2), "WhenYouLeaveText 3"},
      {o.getLeftDescription(2), "LeftDescription 3"},
      {o.getTakeIntoHandsTitle(), "TakeIntoHandsTitle"},
      {o.getTookIntoHandsText(), "TookIntoHandsText"},
      {o.getPutIntoPocketsText(), "PutIntoPocketsText"},
      {o.getUnableToCombineText(2), "UnableToCombineText 3"},
      {o.getCombinationText(2), "CombinationText 3"},
      {o.getInteractTitle(), "InteractTitle"},
      {o.getActivatingText(2), "ActivatingText 3"},
      {o.getPassivationTitle(), "ABCDEFGHIJKLMNOPQRS"},
      {o.getDeactivatingText(2), "DeactivatingText 3"},
      {o.getInteractionWithAnotherObjectText(2), "InteractionWithAnotherObjectText 3"}};
  for (const auto& [text, expected] : texts) EXPECT_EQ(text, expected);
  EXPECT_EQ(std::tuple(o.getCanPickUp(), o.getCanInteract(), o.getIsThatActive(), o.getObjectToInteract(),
                       o.getObjectToCombine(), o.getNewObjectAfterCombination()),
            std::tuple(true, false, true, ObjectCode{3}, ObjectCode{4}, ObjectCode{5}));
}

TEST_F(Records, CodesOutsideTheTablesAreEmptySlotsABadNumberEndsTheReadingAndAShortDocumentLeavesTheRestEmpty) {
  world.write("rooms/1.room", {{"Links", "100 -1 99 5"}, {"Contents", "7 x 8"}});
  ASSERT_TRUE(oda[1].initialize("rooms/", 1));
  EXPECT_EQ(std::vector({oda[1].getLink(0), oda[1].getLink(1), oda[1].getLink(2), oda[1].getLink(3)}),
            std::vector({kNoRoom, kNoRoom, RoomCode{99}, RoomCode{5}}));
  EXPECT_EQ(std::pair(oda[1].getContents(0), oda[1].getContents(2)), std::pair(ObjectCode{7}, kNoObject));
  world.write("rooms/2.room", {{"IsThatDark", "2"}, {"Links", "4"}});
  ASSERT_TRUE(oda[1].initialize("rooms/", 2));
  EXPECT_EQ(std::pair(oda[1].getIsThatDark(), oda[1].getLink(0)), std::pair(true, kNoRoom));  // 2: true, and the end
  folder.write("rooms/3.room", "h\nKisa\nline 3");
  rooms cut;
  ASSERT_TRUE(cut.initialize("rooms/", 3));
  EXPECT_EQ(std::tuple(cut.getDescription(0), cut.getDescriptionWhileDark(4), cut.getContents(0)),
            std::tuple(std::string("line 3"), std::string(), kNoObject));
  EXPECT_FALSE(cut.initialize("rooms/", 4));  // missing: changes nothing
  EXPECT_STREQ(cut.getName(), "Kisa");
}

TEST_F(Records, LoadingStopsAtTheFirstGapAndAtCode99) {
  // Rooms 1 to 100: reading the 100th would write past the table, which the
  // sanitizer build reports.
  for (int code = 1; code <= 100; ++code) world.write("rooms/" + std::to_string(code) + ".room");
  for (int code : {1, 2, 4, 5}) world.write("objects/" + std::to_string(code) + ".object");
  std::filesystem::create_directory("objects/3.object");  // a folder is not a document
  initialize();
  EXPECT_EQ(std::tuple(oda[99].getName(), esya[2].getName(), esya[4].getName()),
            std::tuple(std::string("ROOM99"), std::string("OBJECT2"), std::string()));
}

}  // namespace
