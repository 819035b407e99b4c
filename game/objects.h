// One object of the world: its name, every text the screens show about it,
// whether it can be taken and switched, and what it combines with or acts on.
#pragma once

#include <string>

#include "game/codes.h"
#include "game/record_fields.h"

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
  // Every variant of a text, for pickVariant.
  const auto& getDescriptions() { return Description; }
  const auto& getExamineTexts() { return ExamineText; }
  const auto& getPickingUpTexts() { return PickingUpText; }
  const auto& getActivatingTexts() { return ActivatingText; }
  const auto& getDeactivatingTexts() { return DeactivatingText; }
  const auto& getWhenYouLeaveTexts() { return WhenYouLeaveText; }
  const auto& getLeftDescriptions() { return LeftDescription; }
  const auto& getHoldingTexts() { return HoldingText; }
  const auto& getUnableToCombineTexts() { return UnableToCombineText; }
  const auto& getCombinationTexts() { return CombinationText; }
  const auto& getInteractionWithAnotherObjectTexts() { return InteractionWithAnotherObjectText; }
  char* getUnableToCombineText(int array) { return UnableToCombineText[array]; }
  char* getCombinationText(int array) { return CombinationText[array]; }
  char* getPassivationTitle() { return PassivationTitle; }
  char* getInteractionWithAnotherObjectText(int array) { return InteractionWithAnotherObjectText[array]; }
  ObjectCode getObjectToInteract() { return ObjectCode{ObjectToInteract}; }
  ObjectCode getObjectToCombine() { return ObjectCode{ObjectToCombine}; }
  ObjectCode getNewObjectAfterCombination() { return ObjectCode{NewObjectAfterCombination}; }
  ObjectCode getPasserObject() { return ObjectCode{PasserObject}; }

  // Walks every field in the order the document holds them (record_fields.h).
  template <class Visitor>
  void visitDocument(Visitor& v) {
    v.ignoredLine();
    v.line("Name", Name, sizeof Name);
    v.lines("Description", Description);
    v.lines("ExamineText", ExamineText);
    v.lines("PickingUpText", PickingUpText);
    v.lines("WhenYouLeaveText", WhenYouLeaveText);
    v.lines("LeftDescription", LeftDescription);
    v.line("TakeIntoHandsTitle", TakeIntoHandsTitle, sizeof TakeIntoHandsTitle);
    v.line("TookIntoHandsText", TookIntoHandsText, sizeof TookIntoHandsText);
    v.line("PutIntoPocketsText", PutIntoPocketsText, sizeof PutIntoPocketsText);
    v.lines("HoldingText", HoldingText);
    v.lines("UnableToCombineText", UnableToCombineText);
    v.lines("CombinationText", CombinationText);
    v.line("InteractTitle", InteractTitle, sizeof InteractTitle);
    v.lines("ActivatingText", ActivatingText);
    v.line("PassivationTitle", PassivationTitle, kLabelKeep);  // a label like the others, in a wider field
    v.lines("DeactivatingText", DeactivatingText);
    v.lines("InteractionWithAnotherObjectText", InteractionWithAnotherObjectText);
    v.flag("CanPickUp", CanPickUp);
    v.flag("CanInteract", CanInteract);
    v.codes("PasserObject", PasserObject, CodeKind::Object);
    v.flag("IsThatActive", IsThatActive);
    v.codes("ObjectToInteract", ObjectToInteract, CodeKind::Object);
    v.codes("ObjectToCombine", ObjectToCombine, CodeKind::Object);
    v.codes("NewObjectAfterCombination", NewObjectAfterCombination, CodeKind::Object);
    v.codes("Contents", Contents, CodeKind::Object);
  }

 private:
  char Name[kLabelKeep] = {};
  char Description[5][kTextKeep] = {};
  char ExamineText[5][kTextKeep] = {};
  bool CanPickUp = false;
  char PickingUpText[3][kTextKeep] = {};
  bool CanInteract = false;
  char InteractTitle[kLabelKeep] = {};
  bool IsThatActive = false;
  char ActivatingText[3][kTextKeep] = {};
  char DeactivatingText[3][kTextKeep] = {};
  char WhenYouLeaveText[3][kTextKeep] = {};
  char LeftDescription[3][kTextKeep] = {};
  char TakeIntoHandsTitle[kLabelKeep] = {};
  char TookIntoHandsText[kTextKeep] = {};
  char PutIntoPocketsText[kTextKeep] = {};
  char UnableToCombineText[3][kTextKeep] = {};
  char CombinationText[3][kTextKeep] = {};
  char PassivationTitle[kTextKeep] = {};
  char InteractionWithAnotherObjectText[3][kTextKeep] = {};
  int ObjectToInteract = 0;
  int ObjectToCombine = 0;
  int NewObjectAfterCombination = 0;
  int Contents[5] = {};
  char HoldingText[5][kTextKeep] = {};
  int PasserObject = 0;
};
