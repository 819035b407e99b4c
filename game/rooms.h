// One room of the world: its name, its descriptions, what lies in it.
#pragma once

#include <string>

#include "game/record_fields.h"
#include <vector>

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
  // Empties every slot of the lit and the dark contents holding `ObjectCode`.
  void DeleteObject(int ObjectCode);
  // Puts `ObjectCode` into the first empty slot of the lit contents; false if
  // all ten are taken.
  bool AddObject(int ObjectCode);

  const char* getName() { return Name; }
  char* getDescription(int array) { return Description[array]; }
  char* getDescriptionWhileDark(int array) { return DescriptionWhileDark[array]; }
  char* getDescriptionWhileLocked(int array) { return DescriptionWhileLocked[array]; }
  char* getLinkedDescription(int array) { return LinkedDescription[array]; }
  bool getIsThatLocked() { return IsThatLocked; }
  bool getIsThatDark() { return IsThatDark; }
  int getContents(int array) { return Contents[array]; }
  int getContentsWhileDark(int array) { return ContentsWhileDark[array]; }
  int getLink(int array) { return Links[array]; }
  void setIsThatDark(bool value) { IsThatDark = value; }
  int getNumberOfLeftItems() { return static_cast<int>(LeftItems.size()); }
  int getLeftItem(int index) { return LeftItems[index]; }
  void addLeftItem(int ObjectNumber) { LeftItems.push_back(ObjectNumber); }
  // Removes one entry equal to `ObjectNumber` from the left items, if any.
  void removeLeftItem(int ObjectNumber);

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
  int Contents[10] = {};
  int ContentsWhileDark[10] = {};
  int Links[10] = {};
  char LinkedDescription[5][kTextKeep] = {};
  std::vector<int> LeftItems;
};
