// One object of the world: its name, every text the screens show about it,
// and whether it can be taken and switched.
#pragma once

#include <string>

class objects {
 public:
  objects();
  ~objects();

  // Reads `folder` + `number` + ".object" into this record; false, changing
  // nothing, if the document cannot be opened. A document that is short or
  // broken still counts as read: missing fields stay empty or 0.
  bool initialize(std::string folder, int number);
  // Draws the object's name in a closed box at columns 11 to 35, from the
  // cursor's row; the cursor ends at the start of the sixth row.
  void title_page();

  char* getName() { return Name; }
  char* getDescription(int array) { return Description[array]; }
  char* getExamineText(int array) { return ExamineText[array]; }
  char* getPickingUpText(int array) { return PickingUpText[array]; }
  char* getInteractTitle() { return InteractTitle; }
  char* getActivatingText(int array) { return ActivatingText[array]; }
  char* getDeactivatingText(int array) { return DeactivatingText[array]; }
  bool getCanPickUp() { return CanPickUp; }
  bool getCanInteract() { return CanInteract; }
  bool getIsThatActive() { return IsThatActive; }
  void setIsThatActive(bool value) { IsThatActive = value; }
  char* getWhenYouLeaveText(int array) { return WhenYouLeaveText[array]; }
  char* getLeftDescription(int array) { return LeftDescription[array]; }
  char* getTakeIntoHandsTitle() { return TakeIntoHandsTitle; }
  char* getTookIntoHandsText() { return TookIntoHandsText; }
  char* getPutIntoPocketsText() { return PutIntoPocketsText; }
  char* getUnableToCombineText(int array) { return UnableToCombineText[array]; }
  char* getCombinationText(int array) { return CombinationText[array]; }
  char* getPassivationTitle() { return PassivationTitle; }
  char* getInteractionWithAnotherObjectText(int array) { return InteractionWithAnotherObjectText[array]; }
  int getObjectToInteract() { return ObjectToInteract; }
  int getObjectToCombine() { return ObjectToCombine; }
  int getNewObjectAfterCombination() { return NewObjectAfterCombination; }

 private:
  char Name[20] = {};
  char Description[5][500] = {};
  char ExamineText[5][500] = {};
  bool CanPickUp = false;
  char PickingUpText[3][500] = {};
  bool CanInteract = false;
  char InteractTitle[20] = {};
  bool IsThatActive = false;
  char ActivatingText[3][500] = {};
  char DeactivatingText[3][500] = {};
  char WhenYouLeaveText[3][500] = {};
  char LeftDescription[3][500] = {};
  char TakeIntoHandsTitle[20] = {};
  char TookIntoHandsText[500] = {};
  char PutIntoPocketsText[500] = {};
  char UnableToCombineText[3][500] = {};
  char CombinationText[3][500] = {};
  char PassivationTitle[500] = {};
  char InteractionWithAnotherObjectText[3][500] = {};
  int ObjectToInteract = 0;
  int ObjectToCombine = 0;
  int NewObjectAfterCombination = 0;
  int Contents[5] = {};
  char HoldingText[5][500] = {};
  int PasserObject = 0;
};
