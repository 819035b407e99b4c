// One room of the world: its name, its descriptions, what lies in it.
#pragma once

#include <string>
#include <vector>

#include "game/codes.h"
#include "game/record_fields.h"

// The slots of a room's contents (lit and dark), and of its links.
constexpr int kContentSlots = 10;
constexpr int kLinkSlots = 10;

class rooms {
 public:
  rooms();
  ~rooms();

  // Reads `folder` + `number` + ".room" into this record; false, changing
  // nothing, if the document cannot be opened. A document that is short or
  // broken still counts as read: missing fields stay empty or 0.
  bool initialize(std::string folder, int number);
  // Draws the room's name in its box at columns 27 to 51 on a bar of 80
  // blocks, from the cursor's row; the next text starts 8 rows further down.
  void title_page();
  // Empties every slot of the lit and the dark contents holding `object`.
  void DeleteObject(ObjectCode object);
  // Puts `object` into the first empty slot of the lit contents; false if
  // all are taken.
  bool AddObject(ObjectCode object);

  const char* getName() { return Name; }
  char* getDescription(int array) { return Description[array]; }
  char* getDescriptionWhileDark(int array) { return DescriptionWhileDark[array]; }
  const auto& getDescriptions() { return Description; }
  const auto& getDescriptionsWhileDark() { return DescriptionWhileDark; }
  char* getDescriptionWhileLocked(int array) { return DescriptionWhileLocked[array]; }
  char* getLinkedDescription(int array) { return LinkedDescription[array]; }
  bool getIsThatLocked() { return IsThatLocked; }
  bool getIsThatDark() { return IsThatDark; }
  ObjectCode getContents(int slot) { return ObjectCode{Contents[slot]}; }
  ObjectCode getContentsWhileDark(int slot) { return ObjectCode{ContentsWhileDark[slot]}; }
  RoomCode getLink(int slot) { return RoomCode{Links[slot]}; }
  void setIsThatDark(bool value) { IsThatDark = value; }
  int getNumberOfLeftItems() { return static_cast<int>(LeftItems.size()); }
  ObjectCode getLeftItem(int index) { return LeftItems[index]; }
  void addLeftItem(ObjectCode object) { LeftItems.push_back(object); }
  // Removes one entry equal to `object` from the left items, if any.
  void removeLeftItem(ObjectCode object);

  // Walks every field in the order the document holds them (record_fields.h).
  template <class Visitor>
  void visitDocument(Visitor& v) {
    v.ignoredLine();
    v.line("Name", Name, sizeof Name);
    v.lines("Description", Description);
    v.lines("LinkedDescription", LinkedDescription);
    v.lines("DescriptionWhileLocked", DescriptionWhileLocked);
    v.lines("DescriptionWhileDark", DescriptionWhileDark);
    v.flag("IsThatLocked", IsThatLocked);
    v.flag("IsThatDark", IsThatDark);
    v.codes("Links", Links, CodeKind::Room);
    v.codes("Contents", Contents, CodeKind::Object);
    v.codes("ContentsWhileDark", ContentsWhileDark, CodeKind::Object);
  }

 private:
  char Name[kLabelKeep] = {};
  char Description[5][kTextKeep] = {};
  char DescriptionWhileDark[5][kTextKeep] = {};
  char DescriptionWhileLocked[5][kTextKeep] = {};
  bool IsThatLocked = false;
  bool IsThatDark = false;
  int Contents[kContentSlots] = {};
  int ContentsWhileDark[kContentSlots] = {};
  int Links[kLinkSlots] = {};
  char LinkedDescription[5][kTextKeep] = {};
  std::vector<ObjectCode> LeftItems;
};
