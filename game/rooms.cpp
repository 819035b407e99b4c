// Loading and drawing rooms.
#include "game/rooms.h"

#include <algorithm>
#include <cstring>
#include <fstream>

#include "game/record_reader.h"
#include "kiv/kiv_engine.h"

namespace {
const std::string kBlock = "\xDB";
std::string blocks(int n) { return std::string(n, '\xDB'); }
std::string blanks(int n) { return std::string(n, ' '); }
}  // namespace

rooms::rooms() = default;
rooms::~rooms() = default;

bool rooms::initialize(std::string folder, int number) {
  const std::string dosyaadi = folder + std::to_string(number) + ".room";
  std::ifstream Inny;
  if (!openDocument(dosyaadi, Inny)) return false;
  RecordReader in(Inny);
  in.skipLine();
  in.text(Name, sizeof Name);
  for (auto& text : Description) in.text(text, sizeof text);
  for (auto& text : LinkedDescription) in.text(text, sizeof text);
  for (auto& text : DescriptionWhileLocked) in.text(text, sizeof text);
  for (auto& text : DescriptionWhileDark) in.text(text, sizeof text);
  in.flag(IsThatLocked);
  in.flag(IsThatDark);
  for (int& link : Links) in.code(link);
  for (int& code : Contents) in.code(code);
  for (int& code : ContentsWhileDark) in.code(code);
  return true;
}

void rooms::title_page() {
  const int L = static_cast<int>(std::strlen(Name));
  const std::string bosluklar = kiv::boslukyarat(24, L);
  const int k = static_cast<int>(bosluklar.size());
  kiv::yaz(kiv::linefeed(2) + blanks(27) + blocks(25) + "\n" + blanks(27) + kBlock + blanks(23) + kBlock +
               "\n" + blanks(27) + kBlock,
           false, 0, 0, "   ", 75);
  if (2 * k + L != 22) kiv::yaz("  ", false, 0, 0, "", 100);
  kiv::yaz(bosluklar + Name + bosluklar + " " + kBlock + "\n" + blanks(27) + kBlock + blanks(23) + kBlock +
               "\n" + blocks(80) + "\n",
           false, 0, 0, "", 200);
}

void rooms::DeleteObject(int ObjectCode) {
  std::replace(std::begin(Contents), std::end(Contents), ObjectCode, 0);
  std::replace(std::begin(ContentsWhileDark), std::end(ContentsWhileDark), ObjectCode, 0);
}

bool rooms::AddObject(int ObjectCode) {
  int* slot = std::find(std::begin(Contents), std::end(Contents), 0);
  if (slot == std::end(Contents)) return false;
  *slot = ObjectCode;
  return true;
}

void rooms::removeLeftItem(int ObjectNumber) {
  auto it = std::find(LeftItems.begin(), LeftItems.end(), ObjectNumber);
  if (it != LeftItems.end()) LeftItems.erase(it);
}
