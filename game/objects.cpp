// Loading and drawing objects.
#include "game/objects.h"

#include <fstream>

#include "game/record_reader.h"
#include "game/title_box.h"
namespace {
constexpr std::size_t kLabel = 20;  // labels hold 19 characters
}  // namespace

objects::objects() = default;
objects::~objects() = default;

bool objects::initialize(std::string folder, int number) {
  const std::string dosyaadi = folder + std::to_string(number) + ".object";
  std::ifstream Inny;
  if (!openDocument(dosyaadi, Inny)) return false;
  RecordReader in(Inny);
  in.skipLine();
  in.text(Name, sizeof Name);
  for (auto& text : Description) in.text(text, sizeof text);
  for (auto& text : ExamineText) in.text(text, sizeof text);
  for (auto& text : PickingUpText) in.text(text, sizeof text);
  for (auto& text : WhenYouLeaveText) in.text(text, sizeof text);
  for (auto& text : LeftDescription) in.text(text, sizeof text);
  in.text(TakeIntoHandsTitle, sizeof TakeIntoHandsTitle);
  in.text(TookIntoHandsText, sizeof TookIntoHandsText);
  in.text(PutIntoPocketsText, sizeof PutIntoPocketsText);
  for (auto& text : HoldingText) in.text(text, sizeof text);
  for (auto& text : UnableToCombineText) in.text(text, sizeof text);
  for (auto& text : CombinationText) in.text(text, sizeof text);
  in.text(InteractTitle, sizeof InteractTitle);
  for (auto& text : ActivatingText) in.text(text, sizeof text);
  in.text(PassivationTitle, kLabel);  // a label like the others, in a wider field
  for (auto& text : DeactivatingText) in.text(text, sizeof text);
  for (auto& text : InteractionWithAnotherObjectText) in.text(text, sizeof text);
  in.flag(CanPickUp);
  in.flag(CanInteract);
  in.code(PasserObject);
  in.flag(IsThatActive);
  in.code(ObjectToInteract);
  in.code(ObjectToCombine);
  in.code(NewObjectAfterCombination);
  for (int& code : Contents) in.code(code);
  return true;
}

void objects::title_page() {
  drawTitleBox(Name, {"", "", 200, 11, std::string(11, ' ') + std::string(25, '\xDB')});
}
