// A small world and a virtual console for scene tests.
#include "scene.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "game/game_state.h"
#include "kiv/kiv_engine.h"

namespace scene {
namespace {

void lines(std::ostream& out, const std::string& text, int count) {
  for (int i = 0; i < count; ++i) out << text << '\n';
}

}  // namespace

std::string ObjectDoc::text() const {
  std::ostringstream out;
  out << "scene object\n" << name << '\n';
  lines(out, sentence, 5);
  lines(out, examine, 5);
  lines(out, pickingUp, 3);
  lines(out, leave, 3);
  lines(out, leftSentence, 3);
  out << takeIntoHandsTitle << '\n' << tookIntoHands << '\n' << putIntoPockets << '\n';
  lines(out, "holding", 5);
  lines(out, "cannot combine", 3);
  lines(out, "combined", 3);
  out << interactTitle << '\n';
  lines(out, activating, 3);
  out << passivationTitle << '\n';
  lines(out, deactivating, 3);
  lines(out, "on another", 3);
  out << canPickUp << ' ' << canInteract << " 0 " << active << " 0 0 0\n0 0 0 0 0\n";
  return out.str();
}

std::string RoomDoc::text() const {
  std::ostringstream out;
  out << "scene room\n" << name << '\n';
  lines(out, lit, 5);
  lines(out, "link", 5);
  lines(out, "locked", 5);
  lines(out, dark, 5);
  out << "0 " << isDark << "\n0 0 0 0 0 0 0 0 0 0\n";
  for (int code : contents) out << code << ' ';
  out << '\n';
  for (int code : darkContents) out << code << ' ';
  out << '\n';
  return out.str();
}

Scene::Scene() {
  previous_ = std::filesystem::current_path();
  char pattern[] = "/tmp/thalvorine-scene-XXXXXX";
  folder_ = ::mkdtemp(pattern);
  std::filesystem::create_directories(folder_ / "rooms");
  std::filesystem::create_directories(folder_ / "objects");
  std::filesystem::current_path(folder_);

  resetGameState();
  kiv::attach(device_);
  for (int attribute : {0x1F, 0x2B, 0x30, 0x4F, 0x5F}) bg.addBGColor(attribute);
  Order = "KOMUT";
  Pockets = "CEPLER";
  for (int i = 0; i < 5; ++i) TooManyWrongCommands[i] = "IPUCU" + std::to_string(i);
  str_PickUp = "AL";
  str_Back = "GERI";
  str_Leave = "BIRAK";
  PutIntoYourPockets = "CEBE KOY";
  ObjectsInYourPockets = "Ceplerinde: ";
  for (auto& text : TypePockets) text = "Cepler icin CEPLER yaz.";
  for (auto& text : PocketsAreFullTexts) text = "Ceplerin dolu.";
  for (auto& text : PocketsAreEmptyTexts) text = "Ceplerin bos.";
  for (auto& text : PocketDescriptions) text = "Ceplerine bakiyorsun.";
  for (auto& text : ExitTexts) text = "Gidiyor musun?";
  for (auto& text : DontYouWannaWatchTexts) text = "Izlemek istemiyor musun?";
  str_Yes = "EVET";
  str_No = "HAYIR";
  MainMenuButtons_WakeUp = "UYAN";
  MainMenuButtons_Help = "YARDIM";
  MainMenuButtons_Exit = "CIKIS";
  HelpScreen = "Yardim metni.";
  Introduction = "Giris metni.";
  TypeWatch = "IZLE yaz:";
  Watch = "IZLE";
  Puzzle1OpeningTitle = "UYANIS";
  Puzzle1OpeningText = "Gozlerini aciyorsun.";
  YouCompletedTheGame = "Oyunu bitirdin.";
  PressAnyKeyToContinue = "Bir tusa bas.";
  version = "v0.1.0";
}

Scene::~Scene() {
  std::filesystem::current_path(previous_);
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void Scene::addRoom(int code, const RoomDoc& room) {
  std::ofstream(folder_ / "rooms" / (std::to_string(code) + ".room")) << room.text();
}

void Scene::addObject(int code, const ObjectDoc& object) {
  std::ofstream(folder_ / "objects" / (std::to_string(code) + ".object")) << object.text();
}

void Scene::load() {
  for (int r = 1; r < kTableSize && oda[r].initialize("rooms/", r); ++r) {
  }
  for (int o = 1; o < kTableSize && esya[o].initialize("objects/", o); ++o) {
  }
}

int Scene::play(Next first) {
  try {
    return runScreens(first);
  } catch (const kiv::ScriptEnded&) {
    return -2;
  }
}

std::string Scene::row(int y) const { return kiv::rowText(kiv::screen(), y); }

std::pair<int, int> Scene::find(const std::string& text, int fromRow) const {
  return kiv::find(kiv::screen(), text, fromRow);
}

int Scene::attributeAt(int x, int y) const { return kiv::screen().at(x, y).attr; }

}  // namespace scene
