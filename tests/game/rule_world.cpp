// The scene tests' world.
#include "rule_world.h"

namespace scene {

std::string sentenceOf(const std::string& name) { return name + " burada."; }

void buildRuleWorld(Scene& scene) {
  auto object = [](const std::string& name, bool interact, bool pickUp) {
    ObjectDoc doc;
    doc.name = name;
    doc.sentence = sentenceOf(name);
    doc.examine = name + " inceleniyor.";
    doc.activating = name + " calisti.";
    doc.deactivating = name + " kapandi.";
    doc.leftSentence = name + " yerde duruyor.";
    doc.canInteract = interact;
    doc.canPickUp = pickUp;
    return doc;
  };
  scene.addObject(1, object("LAMBA", true, false));
  scene.addObject(2, object("ANAHTAR", false, true));
  scene.addObject(3, object("DUGME", true, false));
  scene.addObject(4, object("AYNA", true, false));
  scene.addObject(5, object("RADYO", true, false));
  scene.addObject(6, object("KAPI", true, false));
  scene.addObject(7, object("KUTU", true, true));
  scene.addObject(8, object("MERDIVEN", true, false));
  scene.addObject(9, object("PENCERE", true, false));

  RoomDoc first;
  first.name = "ILK ODA";
  first.isDark = true;
  first.contents = {1, 2, 3, 4, 5, 6};
  first.darkContents = {1, 3};
  scene.addRoom(1, first);
  RoomDoc second;
  second.name = "IKINCI ODA";
  second.contents = {8, 7};
  scene.addRoom(2, second);
  RoomDoc last;
  last.name = "SON ODA";
  last.contents = {9};
  scene.addRoom(3, last);
  scene.load();
}

}  // namespace scene
