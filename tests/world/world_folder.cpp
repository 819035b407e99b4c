// The test world: a language file, a progress file, three rooms, nine objects.
#include "world_folder.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Every interface string; the ones the tests break stand on lines of their own.
const char* const kLanguage = R"(<?xml version="1.0" encoding="UTF-8"?>
<EpilepsyWarning>Uyarı</EpilepsyWarning><ExitTexts><T1>a</T1><T2>b</T2><T3>c</T3><T4>d</T4><T5>e</T5></ExitTexts>
<Pockets><PocketDescriptions><T1>1</T1><T2>2</T2><T3>3</T3><T4>4</T4><T5>5</T5><T6>6</T6><T7>7</T7><T8>8</T8><T9>9</T9>
<T10>10</T10></PocketDescriptions><PocketsAreEmptyTexts><T1>boş</T1><T2>boş</T2><T3>boş</T3></PocketsAreEmptyTexts>
<PocketsAreFull><T1>dolu</T1><T2>dolu</T2><T3>dolu</T3><T4>dolu</T4><T5>dolu</T5></PocketsAreFull>
<TypePockets><T1>a</T1><T2>b</T2><T3>c</T3><T4>d</T4><T5>e</T5></TypePockets>
<ObjectsInYourPockets>Ceplerinde:</ObjectsInYourPockets></Pockets>
<Buttons><WakeUp>Uyan</WakeUp><Help>Yardım</Help><Exit>Çıkış</Exit><No>Hayır</No><Back>Geri</Back>
<Yes>Evet</Yes>
<PutIntoYourPockets>Cebine koy</PutIntoYourPockets><PickUp>Al</PickUp><Leave>Bırak</Leave></Buttons>
<Other><Order>Komut</Order><YouCompletedTheGame>Bitti &amp; tamam</YouCompletedTheGame>
<PressAnyKeyToContinue>Bir tuşa bas</PressAnyKeyToContinue>
<Pockets>CEPLER</Pockets>
</Other><Introduction><Warning>Uyarı</Warning><TypeWatch>İZLE yaz</TypeWatch>
<Watch>IZLE</Watch>
<DontYouWannaWatchTexts><T1>a</T1><T2>b</T2><T3>c</T3></DontYouWannaWatchTexts></Introduction>
<HelpScreen>░▒▓█ Yardım</HelpScreen>
<Puzzle1Opening><Title>Başlık</Title><Text><![CDATA[Metin <1>]]></Text></Puzzle1Opening>
<TooManyWrongCommands><T1>a</T1><T2>b</T2><T3_1>c</T3_1><T3_2>d</T3_2><T4>e</T4></TooManyWrongCommands>
)";

// Lines `from` to `to` of a document: "text of line 3" ...
std::string texts(int from, int to) {
  std::string lines;
  for (int line = from; line <= to; ++line) lines += "text of line " + std::to_string(line) + "\n";
  return lines;
}

// A line of `count` codes: `list`, then zeros.
std::string codes(std::vector<int> list, std::size_t count = 10) {
  std::string line;
  for (list.resize(count); const int code : list) line += std::to_string(code) + " ";
  return line + "\n";
}

std::string room(int code, bool dark, std::vector<int> links, std::vector<int> lit, std::vector<int> inTheDark) {
  return "room\nOda " + std::to_string(code) + "\n" + texts(3, 22) + (dark ? "0 1\n" : "0 0\n") + codes(links) +
         codes(lit) + codes(inTheDark);
}

}  // namespace

WorldFolder::WorldFolder() {
  std::string pattern = (fs::temp_directory_path() / "thalvorine-world-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
  path_ = pattern;
  write("tr.lng", kLanguage);
  write("game.dat", "<?xml version=\"1.0\"?>\n<RunningTime>0</RunningTime>\n<version>1.0</version>\n");
  write("rooms/1.room", room(1, true, {2}, {1, 2, 3, 4, 5, 6}, {1, 3}));
  write("rooms/2.room", room(2, false, {}, {7, 8}, {}));
  write("rooms/3.room", room(3, false, {}, {9}, {}));
  for (int code = 1; code <= 9; ++code) {  // labels on lines 22, 36 and 40; usable, not to be picked up
    write("objects/" + std::to_string(code) + ".object", "object\nOBJECT" + std::to_string(code) + "\n" + texts(3, 21) +
          "Eline al\n" + texts(23, 35) + "Kullan\n" + texts(37, 39) + "Kapat\n" + texts(41, 46) + "0 1 0 0 0 0 0\n" +
          codes({}, 5));
  }
}

WorldFolder::~WorldFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void WorldFolder::write(const std::string& name, const std::string& text) const {
  fs::create_directories((path_ / name).parent_path());
  std::ofstream(path_ / name, std::ios::binary) << text;
}

std::string WorldFolder::read(const std::string& name) const {
  std::ostringstream text;
  text << std::ifstream(path_ / name, std::ios::binary).rdbuf();
  return text.str();
}

void WorldFolder::setLine(const std::string& name, int line, const std::string& text) const {
  std::istringstream in(read(name));
  std::string result, current;
  for (int number = 1; std::getline(in, current); ++number) result += (number == line ? text : current) + "\n";
  write(name, result);
}

int WorldFolder::lineOf(const std::string& name, const std::string& needle) const {
  std::istringstream in(read(name));
  std::string current;
  for (int number = 1; std::getline(in, current); ++number)
    if (current.find(needle) != std::string::npos) return number;
  throw std::runtime_error(needle + " is not in " + name);
}
