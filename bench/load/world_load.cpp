// Start-up load time of a large world: the language file, 99 rooms and 99
// objects, every text at its longest, and a rules document of 1,000 rules.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/language.h"
#include "kiv/core/kiv_engine.h"
#include "kiv/virtual/virtual_device.h"

namespace {

namespace fs = std::filesystem;

std::string longText(char letter) {
  std::string text;
  while (text.size() + 8 < 499) text += std::string(7, letter) + ' ';
  return text;
}

void writeWorld(const fs::path& folder) {
  fs::create_directories(folder / "rooms");
  fs::create_directories(folder / "objects");
  {
    std::ofstream lng(folder / "tr.lng");
    lng << "<EpilepsyWarning>" << longText('e') << "</EpilepsyWarning>\n<ExitTexts>";
    for (int i = 1; i <= 5; ++i) lng << "<T" << i << ">" << longText('x') << "</T" << i << ">";
    lng << "</ExitTexts>\n<HelpScreen>" << longText('h') << "</HelpScreen>\n";
    lng << "<Other><Order>KOMUT</Order><Pockets>CEPLER</Pockets></Other>\n";
  }
  const std::string name = "OBJE";
  for (int code = 1; code <= 99; ++code) {
    std::ofstream room(folder / "rooms" / (std::to_string(code) + ".room"));
    room << "room\nODA " << code << '\n';
    for (int line = 0; line < 20; ++line) room << longText('r') << '\n';
    room << "0 0\n";
    for (int i = 0; i < 30; ++i) room << (i % 10 == 0 ? code : 0) << (i % 10 == 9 ? '\n' : ' ');

    std::ofstream object(folder / "objects" / (std::to_string(code) + ".object"));
    object << "object\n" << name << code << '\n';
    for (int line = 2; line <= 46; ++line) {
      const bool label = line == 22 || line == 36 || line == 40;
      object << (label ? std::string("ETIKET") : longText('o')) << '\n';
    }
    object << "1 1 0 0 0 0 0\n0 0 0 0 0\n";
  }
  // 1,000 rules over every effect, one object in many rooms, with comments.
  std::ofstream rules(folder / "rules.txt");
  const char* effects[] = {"light", "answer", "lead 7", "complete", "lead 3 needs-passer"};
  for (int rule = 0; rule < 1000; ++rule)
    rules << 1 + rule % 99 << ' ' << 1 + rule / 99 << ' ' << effects[rule % 5] << "  # rule " << rule << '\n';
}

}  // namespace

int main() {
  char pattern[] = "/tmp/thalvorine-load-XXXXXX";
  const fs::path folder = ::mkdtemp(pattern);
  writeWorld(folder);
  const fs::path previous = fs::current_path();
  fs::current_path(folder);

  kiv::VirtualDevice device;
  kiv::attach(device);
  constexpr int kRuns = 50;
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    resetGameState();
    const auto start = std::chrono::steady_clock::now();
    initialize();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    times.push_back(ms);
  }
  const bool loaded =
      esya[99].getName()[0] != '\0' && oda[99].getContents(0) == ObjectCode{99} && worldRules.uses.size() == 1000;
  std::sort(times.begin(), times.end());
  std::printf("| %-44s | %6.2f ms median, %6.2f ms best of %d | goal < 5 ms |%s\n",
              "load 99 rooms, 99 objects, 1,000 rules, lng", times[kRuns / 2], times.front(), kRuns,
              loaded ? "" : " (NOT LOADED)");

  fs::current_path(previous);
  fs::remove_all(folder);
  return 0;
}
