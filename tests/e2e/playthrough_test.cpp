// The shipped world played on a real terminal from a first run to the exit,
// and the game started in a folder it may not write.
#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <ostream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "game/pictures.h"
#include "game_session.h"
#include "kiv/colour_map.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;
using kiv::colour::toCurses;
using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

// The attributes a new screen may take: the game's start-up palette.
constexpr int kPalette[] = {0x03, 0xD7, 0xF3, 0xF8, 0xE3, 0xE8, 0xF0, 0xC7, 0x9E, 0xA8, 0xB0, 0xB8, 0x4F,
                            0x70, 0x7D, 0x80, 0x73, 0x1F, 0x2B, 0x30, 0x37, 0x40, 0x57, 0x5F, 0x67};

// Buttons: the selected one green on black (0x02), the others yellow on
// black (0x0E), as the terminal numbers its colours.
constexpr int kSelected = toCurses(0x2);
constexpr int kUnselected = toCurses(0xE);
constexpr int kBlack = 0;

const std::string kPromptLabel = std::string(25, ' ') + "Komut :";
const std::string kPressAnyKey = "Devam etmek için bir tuşa bas.";

bool inPalette(int foreground, int background) {
  return std::any_of(std::begin(kPalette), std::end(kPalette), [&](int attribute) {
    return toCurses(attribute & 15) == foreground && toCurses(attribute >> 4) == background;
  });
}

bool isButtonCell(const PtyTerminal::Cell& cell) {
  return cell.background == kBlack && (cell.foreground == kSelected || cell.foreground == kUnselected);
}

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool containsAny(const std::string& text, std::initializer_list<const char*> pieces) {
  return std::any_of(pieces.begin(), pieces.end(),
                     [&](const char* piece) { return text.find(piece) != std::string::npos; });
}

std::string cellsText(const PtyTerminal& term, int row, int from, int to) {
  std::string text;
  for (int column = from; column < to; ++column) text += utf8(term.cell(column, row).ch);
  return text;
}

std::string blocks(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "█";
  return text;
}

// A row of 80 full blocks: the bar under a room's title box.
bool isBar(const PtyTerminal& term, int row) {
  for (int column = 0; column < term.columns(); ++column)
    if (term.cell(column, row).ch != U'█') return false;
  return true;
}

// The row on which `name` stands in a title box whose walls are in columns
// `left` and `right` (27 and 51 for a room, 11 and 35 for an object), or -1.
int titleRow(const PtyTerminal& term, const std::string& name, int left = 27, int right = 51) {
  for (int row = 0; row < term.rows(); ++row)
    if (term.cell(left, row).ch == U'█' && term.cell(right, row).ch == U'█' &&
        trimmed(cellsText(term, row, left + 1, right)) == name)
      return row;
  return -1;
}

// A button as the screen shows it: its label, and the cell where its colour
// (two blanks on either side of the label included) begins.
struct Button {
  std::string label;
  int column = -1;
  int row = -1;
  bool operator==(const Button&) const = default;
};

void PrintTo(const Button& button, std::ostream* out) {
  *out << '"' << button.label << "\" at " << button.column << "," << button.row;
}

// The buttons drawn in `foreground` on black, in reading order.
std::vector<Button> buttonsIn(const PtyTerminal& term, int foreground) {
  std::vector<Button> found;
  for (int row = 0; row < term.rows(); ++row) {
    auto inButton = [&](int column) {
      const PtyTerminal::Cell cell = term.cell(column, row);
      return cell.foreground == foreground && cell.background == kBlack;
    };
    for (int column = 0; column < term.columns();) {
      if (!inButton(column)) {
        ++column;
        continue;
      }
      const int start = column;
      while (column < term.columns() && inButton(column)) ++column;
      found.push_back({trimmed(cellsText(term, row, start, column)), start, row});
    }
  }
  return found;
}

using Labels = std::vector<std::string>;

Labels labelsIn(const PtyTerminal& term, int foreground) {
  Labels labels;
  for (const Button& button : buttonsIn(term, foreground)) labels.push_back(button.label);
  return labels;
}

// A menu waits for its key: `selected` green on black, `others` yellow on
// black in reading order. (The menu comes in one refresh, but the emulator
// may be shown it in parts: all of it is awaited.)
AssertionResult awaitMenu(PtyTerminal& term, const std::string& selected, const Labels& others) {
  if (term.waitUntil(
          [&] { return labelsIn(term, kSelected) == Labels{selected} && labelsIn(term, kUnselected) == others; },
          kPatience))
    return AssertionSuccess();
  return AssertionFailure() << "no menu waits with \"" << selected << "\" selected\n" << term.screenText();
}

// Moves a menu's selection with `key` onto `selected`.
AssertionResult moveTo(PtyTerminal& term, VTermKey key, const std::string& selected, const Labels& others) {
  term.press(key);
  return awaitMenu(term, selected, others);
}

// Chooses the selected button; returns once the menu's screen is gone.
AssertionResult choose(PtyTerminal& term) {
  term.press(VTERM_KEY_ENTER);
  if (term.waitUntil([&] { return buttonsIn(term, kSelected).empty(); }, kPatience)) return AssertionSuccess();
  return AssertionFailure() << "the menu stays\n" << term.screenText();
}

// The row of the command prompt's label, or -1.
int promptRow(const PtyTerminal& term) {
  for (int row = 0; row < term.rows(); ++row)
    if (term.rowText(row).rfind(kPromptLabel, 0) == 0) return row;
  return -1;
}

// The prompt waits for a word with nothing typed yet, the cursor shown.
AssertionResult awaitPrompt(PtyTerminal& term) {
  if (term.waitUntil(
          [&] { return term.cursorVisible() && promptRow(term) >= 0 && term.rowText(promptRow(term)) == kPromptLabel; },
          kPatience))
    return AssertionSuccess();
  return AssertionFailure() << "no prompt waits\n" << term.screenText();
}

// Starts `word` at the prompt under a room. Its first letter goes at once:
// while the room's text is still being typed, a waiting key makes the rest
// of it appear at once, and the prompt reads the letter when it comes.
// Returns once the prompt shows that letter, the cursor after it.
AssertionResult beginWord(PtyTerminal& term, const std::string& word) {
  const std::string first = word.substr(0, 1);
  term.send(first);
  if (term.waitUntil(
          [&] {
            const int row = promptRow(term);
            return row >= 0 && term.cursorVisible() && term.rowText(row) == kPromptLabel + " " + first;
          },
          kPatience))
    return AssertionSuccess();
  return AssertionFailure() << "the prompt never read \"" << first << "\"\n" << term.screenText();
}

// The rest of the word begun, and Enter.
void endWord(PtyTerminal& term, const std::string& word) { term.send(word.substr(1) + "\r"); }

AssertionResult command(PtyTerminal& term, const std::string& word) {
  AssertionResult begun = beginWord(term, word);
  if (begun) endWord(term, word);
  return begun;
}

// The screen that follows shows `room`'s title box (a room screen, or the
// top of an object or pockets screen).
AssertionResult awaitRoom(PtyTerminal& term, const std::string& room) {
  if (term.waitUntil([&] { return titleRow(term, room) >= 0; }, kPatience)) return AssertionSuccess();
  return AssertionFailure() << "no title box of " << room << "\n" << term.screenText();
}

AssertionResult awaitText(PtyTerminal& term, const std::string& text) {
  if (term.waitForText(text, kPatience)) return AssertionSuccess();
  return AssertionFailure() << "never shown: " << text << "\n" << term.screenText();
}

// The text of rows `from` to `to` (excluded) as one line: rows joined, runs
// of blanks made one.
std::string flow(const PtyTerminal& term, int from, int to) {
  std::string joined;
  for (int row = std::max(from, 0); row < std::min(to, term.rows()); ++row) joined += " " + term.rowText(row);
  std::string text;
  for (char c : joined)
    if (c != ' ' || (!text.empty() && text.back() != ' ')) text += c;
  return trimmed(text);
}

// The room's paragraph: the rows between the title box's bar (the top of
// the screen once the bar has scrolled away) and the prompt.
std::string roomText(const PtyTerminal& term) {
  const int prompt = promptRow(term);
  int from = 0;
  for (int row = 0; row < prompt; ++row)
    if (isBar(term, row)) from = row + 1;
  return flow(term, from, prompt);
}

// Every cell but the buttons in one colour of the palette: that of the
// first character on screen.
AssertionResult oneColourOfThePalette(const PtyTerminal& term) {
  PtyTerminal::Cell text;
  for (int row = 0; row < term.rows() && text.ch == U' '; ++row)
    for (int column = 0; column < term.columns() && text.ch == U' '; ++column)
      if (term.cell(column, row).ch != U' ' && !isButtonCell(term.cell(column, row))) text = term.cell(column, row);
  if (!inPalette(text.foreground, text.background))
    return AssertionFailure() << "text " << text.foreground << " on " << text.background
                              << " is no colour of the palette\n"
                              << term.screenText();
  for (int row = 0; row < term.rows(); ++row)
    for (int column = 0; column < term.columns(); ++column) {
      const PtyTerminal::Cell cell = term.cell(column, row);
      if (!isButtonCell(cell) && cell.background != text.background)
        return AssertionFailure() << "cell " << column << "," << row << " on " << cell.background << ", the screen on "
                                  << text.background;
    }
  return AssertionSuccess();
}

// The colours of the screen's first character, as text and background.
std::pair<int, int> screenColours(const PtyTerminal& term) {
  for (int row = 0; row < term.rows(); ++row)
    for (int column = 0; column < term.columns(); ++column) {
      const PtyTerminal::Cell cell = term.cell(column, row);
      if (cell.ch != U' ' && !isButtonCell(cell)) return {cell.foreground, cell.background};
    }
  return {-1, -1};
}

// The main menu as the game draws it: the title picture with the version
// after its row 21, the three buttons in column 60, and nothing else.
AssertionResult mainMenuAsDrawn(const PtyTerminal& term) {
  const char* buttons[24] = {};
  buttons[6] = "Uyan";
  buttons[10] = "Yardım";
  buttons[14] = "Çıkış";
  for (int row = 0; row < 24; ++row) {
    std::string picture = std::string(row == 0 ? "   " : "") + kTitlePicture[static_cast<std::size_t>(row)];
    if (row == 21) picture += "v0.1.0";
    picture.resize(60, ' ');
    const std::string button = trimmed(cellsText(term, row, 60, 80));
    if (cellsText(term, row, 0, 60) != picture || button != (buttons[row] != nullptr ? buttons[row] : ""))
      return AssertionFailure() << "row " << row << " shows \"" << term.rowText(row) << "\"\n" << term.screenText();
  }
  return AssertionSuccess();
}

// A fresh folder holding the world as the build made it for play.
void copyBuiltWorld(const TempFolder& folder) {
  fs::copy(THALVORINE_BUILT_WORLD, folder.path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

std::string progressOf(const TempFolder& folder) { return folder.read("game.dat"); }

TEST(PlayThrough, TheShippedWorldFromAFirstRunToTheExit) {
  TempFolder folder;
  copyBuiltWorld(folder);
  ASSERT_NE(progressOf(folder).find("<RunningTime>0</RunningTime>"), std::string::npos) << progressOf(folder);
  PtyTerminal::Options options;
  options.workingDirectory = folder.path();
  PtyTerminal term({THALVORINE_BINARY}, options);

  // A first run: the introduction and the watch word; a wrong one is
  // refused with one of three texts, and the question comes again below it.
  ASSERT_TRUE(awaitPrompt(term));
  EXPECT_EQ(term.rowText(promptRow(term) - 2), "       Hazırsan HAZIRIM yaz ve Enter'a bas.");
  EXPECT_EQ(term.rowText(1), "   Thalvorine'e hoş geldin.");
  term.send("UYU\r");
  ASSERT_TRUE(term.waitUntil(
      [&] {
        return containsAny(term.rowText(1), {"O değil.", "Fener bekçisi başını", "Bir kez daha dene"});
      },
      kPatience))
      << term.screenText();
  ASSERT_TRUE(awaitPrompt(term));
  EXPECT_EQ(term.rowText(3), "   Thalvorine'e hoş geldin.");
  EXPECT_TRUE(containsAny(term.rowText(1), {"O değil.", "Fener bekçisi başını", "Bir kez daha dene"}));
  term.send("HAZIRIM\r");

  // The main menu: its picture, the first button selected; help and back.
  ASSERT_TRUE(term.waitUntil([&] { return mainMenuShown(term); }, kPatience)) << term.screenText();
  term.settle(std::chrono::milliseconds(300), kPatience);
  EXPECT_TRUE(mainMenuAsDrawn(term));
  EXPECT_EQ(buttonsIn(term, kSelected), (std::vector<Button>{{"Uyan", 60, 6}}));
  EXPECT_EQ(buttonsIn(term, kUnselected), (std::vector<Button>{{"Yardım", 60, 10}, {"Çıkış", 60, 14}}));
  EXPECT_TRUE(oneColourOfThePalette(term));
  ASSERT_TRUE(moveTo(term, VTERM_KEY_DOWN, "Yardım", {"Uyan", "Çıkış"}));
  ASSERT_TRUE(choose(term));
  ASSERT_TRUE(awaitText(term, kPressAnyKey));
  EXPECT_EQ(term.rowText(3), "                          Thalvorine v0.1.0");
  EXPECT_EQ(term.rowText(5), "                                  --Yardım--");
  EXPECT_EQ(term.rowText(8), "   Thalvorine tek kelimelik komutlarla oynanan bir metin oyunudur.");
  EXPECT_TRUE(oneColourOfThePalette(term));
  term.send(" ");
  ASSERT_TRUE(term.waitUntil([&] { return mainMenuShown(term); }, kPatience)) << term.screenText();

  // Waking up: the flashing picture, the opening's title and text, a key.
  ASSERT_TRUE(choose(term));
  ASSERT_TRUE(awaitText(term, "(_O)"));
  ASSERT_TRUE(term.waitForText("Fırtınadan Sonra", kPatience, 4, 13)) << term.screenText();
  ASSERT_TRUE(awaitText(term, kPressAnyKey));
  EXPECT_EQ(cellsText(term, 7, 0, 30), "     Önce yalnızca deniz vardı");
  term.send(" ");

  // Room 1 in the dark: its title box on a cleared screen, a dark
  // description naming only the switch and the lamp, the prompt below.
  ASSERT_TRUE(term.waitForText("Bekçi Odası", kPatience, 4, 34)) << term.screenText();
  ASSERT_TRUE(awaitPrompt(term));
  {
    const int prompt = promptRow(term);
    EXPECT_EQ(cellsText(term, 2, 27, 52), blocks(25));
    EXPECT_TRUE(isBar(term, 6));
    EXPECT_EQ(trimmed(term.rowText(prompt - 1)), "") << term.screenText();
    EXPECT_NE(trimmed(term.rowText(prompt - 2)), "") << term.screenText();
    const std::string text = roomText(term);
    EXPECT_NE(text.find("SALTER"), std::string::npos) << text;
    EXPECT_NE(text.find("LAMBA"), std::string::npos) << text;
    for (const char* unseen : {"DEFTER", "SAAT", "AYNA", "KAPI"})
      EXPECT_EQ(text.find(unseen), std::string::npos) << text;
    EXPECT_TRUE(oneColourOfThePalette(term));
  }
  const auto darkColours = screenColours(term);

  // Wrong words: the room again in a new colour, then the first hint.
  ASSERT_TRUE(command(term, "NEREDEYIM"));
  ASSERT_TRUE(term.waitUntil([&] { return promptRow(term) < 0; }, kPatience)) << term.screenText();
  ASSERT_TRUE(term.waitForText("Bekçi Odası", kPatience, 4, 34)) << term.screenText();
  EXPECT_NE(screenColours(term), darkColours);
  ASSERT_TRUE(command(term, "NEREDEYIM"));
  ASSERT_TRUE(awaitText(term, "Bunu anlamadım. Gördüğün bir şeyin adını ya da CEPLER yaz."));
  ASSERT_TRUE(awaitRoom(term, "Bekçi Odası"));

  // The switch: its screen and action menu; the light comes on.
  ASSERT_TRUE(command(term, "SALTER"));
  ASSERT_TRUE(awaitMenu(term, "Yukarı it", {"Al", "Geri"}));
  EXPECT_EQ(titleRow(term, "Bekçi Odası"), 4);
  EXPECT_EQ(titleRow(term, "SALTER", 11, 35), 10);
  {
    const std::vector<Button> selected = buttonsIn(term, kSelected);
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(selected[0].column, 5);
    EXPECT_EQ(buttonsIn(term, kUnselected),
              (std::vector<Button>{{"Al", 28, selected[0].row}, {"Geri", 41, selected[0].row}}));
    EXPECT_EQ(trimmed(term.rowText(selected[0].row - 1)), "");
    EXPECT_NE(trimmed(term.rowText(selected[0].row - 2)), "");
  }
  EXPECT_TRUE(oneColourOfThePalette(term));
  ASSERT_TRUE(choose(term));
  ASSERT_TRUE(awaitRoom(term, "Bekçi Odası"));
  ASSERT_TRUE(beginWord(term, "DEFTER"));
  {
    const std::string text = roomText(term);
    for (const char* seen : {"SALTER", "LAMBA", "SAAT", "AYNA", "DEFTER", "KAPI"})
      EXPECT_NE(text.find(seen), std::string::npos) << seen << " unseen in: " << text;
    EXPECT_TRUE(containsAny(flow(term, 0, term.rows()),
                            {"Şalteri yukarı itiyorsun.", "Kol bir tık sesiyle", "Şalteri kaldırıyorsun."}))
        << term.screenText();
  }
  endWord(term, "DEFTER");

  // The logbook into the pockets.
  ASSERT_TRUE(awaitMenu(term, "Kullan", {"Al", "Geri"}));
  ASSERT_TRUE(moveTo(term, VTERM_KEY_RIGHT, "Al", {"Kullan", "Geri"}));
  ASSERT_TRUE(choose(term));
  ASSERT_TRUE(awaitText(term, "Ceplerindekiler: DEFTER"));
  ASSERT_TRUE(awaitRoom(term, "Bekçi Odası"));
  ASSERT_TRUE(beginWord(term, "CEPLER"));
  EXPECT_EQ(roomText(term).find("DEFTER"), std::string::npos) << roomText(term);
  endWord(term, "CEPLER");

  // The pockets: the logbook taken into hands; the room names it as held.
  ASSERT_TRUE(awaitMenu(term, "DEFTER", {}));
  EXPECT_EQ(buttonsIn(term, kSelected).front().column, 30);
  EXPECT_TRUE(oneColourOfThePalette(term));
  ASSERT_TRUE(choose(term));
  ASSERT_TRUE(awaitMenu(term, "Eline al", {"Bırak", "Geri"}));
  EXPECT_EQ(titleRow(term, "DEFTER", 11, 35), 10);
  ASSERT_TRUE(choose(term));
  ASSERT_TRUE(awaitText(term, "Defteri eline alıyorsun."));
  ASSERT_TRUE(awaitRoom(term, "Bekçi Odası"));
  ASSERT_TRUE(beginWord(term, "CEPLER"));
  EXPECT_NE(roomText(term).find("Elinde tuttugun obje : DEFTER."), std::string::npos) << term.screenText();
  endWord(term, "CEPLER");

  // Put back into the pockets, then left in the room.
  ASSERT_TRUE(awaitMenu(term, "DEFTER", {}));
  ASSERT_TRUE(choose(term));
  ASSERT_TRUE(awaitMenu(term, "Cebine koy", {"Bırak", "Geri"}));
  ASSERT_TRUE(choose(term));
  ASSERT_TRUE(awaitMenu(term, "DEFTER", {}));
  ASSERT_TRUE(choose(term));
  ASSERT_TRUE(awaitMenu(term, "Eline al", {"Bırak", "Geri"}));
  ASSERT_TRUE(moveTo(term, VTERM_KEY_RIGHT, "Bırak", {"Eline al", "Geri"}));
  ASSERT_TRUE(choose(term));
  ASSERT_TRUE(awaitRoom(term, "Bekçi Odası"));
  ASSERT_TRUE(beginWord(term, "DEFTER"));
  {
    const std::string text = roomText(term);
    EXPECT_EQ(text.find("Elinde tuttugun obje"), std::string::npos) << text;
    EXPECT_TRUE(containsAny(text, {"Bıraktığın yerde, deri kaplı bir DEFTER duruyor.",
                                   "Yerde bir DEFTER var; onu sen bıraktın.", "Az önce bıraktığın DEFTER"}))
        << text;
  }
  endWord(term, "DEFTER");

  // And picked up again from where it was left.
  ASSERT_TRUE(awaitMenu(term, "Kullan", {"Al", "Geri"}));
  ASSERT_TRUE(moveTo(term, VTERM_KEY_RIGHT, "Al", {"Kullan", "Geri"}));
  ASSERT_TRUE(choose(term));
  ASSERT_TRUE(awaitText(term, "Ceplerindekiler: DEFTER"));
  ASSERT_TRUE(awaitRoom(term, "Bekçi Odası"));
  ASSERT_TRUE(beginWord(term, "SALTER"));
  EXPECT_EQ(roomText(term).find("DEFTER"), std::string::npos) << roomText(term);
  endWord(term, "SALTER");

  // The switch off: dark again; the lamp lights the room.
  ASSERT_TRUE(awaitMenu(term, "Aşağı çek", {"Al", "Geri"}));
  ASSERT_TRUE(choose(term));
  ASSERT_TRUE(awaitRoom(term, "Bekçi Odası"));
  ASSERT_TRUE(beginWord(term, "LAMBA"));
  {
    const std::string text = roomText(term);
    EXPECT_NE(text.find("SALTER"), std::string::npos) << text;
    EXPECT_NE(text.find("LAMBA"), std::string::npos) << text;
    EXPECT_EQ(text.find("KAPI"), std::string::npos) << text;
  }
  endWord(term, "LAMBA");
  ASSERT_TRUE(awaitMenu(term, "Yak", {"Al", "Geri"}));
  ASSERT_TRUE(choose(term));
  ASSERT_TRUE(awaitRoom(term, "Bekçi Odası"));

  // Through the door to the stairs; the letter; down the banister.
  ASSERT_TRUE(beginWord(term, "KAPI"));
  EXPECT_NE(roomText(term).find("KAPI"), std::string::npos) << roomText(term);
  endWord(term, "KAPI");
  ASSERT_TRUE(awaitMenu(term, "Aç", {"Al", "Geri"}));
  ASSERT_TRUE(choose(term));
  ASSERT_TRUE(awaitRoom(term, "Döner Merdiven"));
  ASSERT_TRUE(beginWord(term, "MEKTUP"));
  EXPECT_NE(roomText(term).find("MEKTUP"), std::string::npos) << roomText(term);
  EXPECT_NE(roomText(term).find("TIRABZAN"), std::string::npos) << roomText(term);
  endWord(term, "MEKTUP");
  ASSERT_TRUE(awaitMenu(term, "Kullan", {"Al", "Geri"}));
  ASSERT_TRUE(moveTo(term, VTERM_KEY_RIGHT, "Al", {"Kullan", "Geri"}));
  ASSERT_TRUE(choose(term));
  ASSERT_TRUE(awaitText(term, "Ceplerindekiler: DEFTER, MEKTUP"));
  ASSERT_TRUE(awaitRoom(term, "Döner Merdiven"));
  ASSERT_TRUE(command(term, "TIRABZAN"));
  ASSERT_TRUE(awaitMenu(term, "Tutun", {"Al", "Geri"}));
  ASSERT_TRUE(choose(term));

  // The foot of the tower: the bolt ends the game.
  ASSERT_TRUE(awaitRoom(term, "Kule Tabanı"));
  ASSERT_TRUE(beginWord(term, "SURGU"));
  EXPECT_NE(roomText(term).find("SURGU"), std::string::npos) << roomText(term);
  endWord(term, "SURGU");
  ASSERT_TRUE(awaitMenu(term, "Çek", {"Al", "Geri"}));
  ASSERT_TRUE(choose(term));
  ASSERT_TRUE(awaitText(term, "Oyunu bitirdin."));
  ASSERT_TRUE(awaitText(term, kPressAnyKey));
  term.send(" ");

  // The main menu again; Esc asks whether to leave, and Yes leaves.
  ASSERT_TRUE(term.waitUntil([&] { return mainMenuShown(term); }, kPatience)) << term.screenText();
  term.press(VTERM_KEY_ESCAPE);
  ASSERT_TRUE(awaitMenu(term, "Evet", {"Hayır"}));
  EXPECT_EQ(term.rowText(5), "                          Thalvorine v0.1.0");
  {
    const std::vector<Button> yes = buttonsIn(term, kSelected);
    ASSERT_EQ(yes.size(), 1u);
    EXPECT_EQ(yes[0].column, 28);
    EXPECT_EQ(buttonsIn(term, kUnselected), (std::vector<Button>{{"Hayır", 42, yes[0].row}}));
  }
  expectExitWithStatusOne(term);
  EXPECT_NE(progressOf(folder).find("<RunningTime>1</RunningTime>"), std::string::npos) << progressOf(folder);
}

// The unprivileged user the read-only folder is played as: the tests run as
// root, for whom no folder is read-only.
constexpr uid_t kNobody = 65534;

// Gives up root for the unprivileged user (nothing to give up for anyone
// else); false if that fails.
bool dropPrivileges() {
  if (::geteuid() != 0) return true;
  return ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
}

// What the game will meet in `folder`, as a child process with privileges
// dropped finds it: whether it may run `program` there and write there.
enum class Probe { kReadOnly, kCannotDrop, kCannotRun, kWritable };
Probe probe(const std::string& folder, const std::string& program) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (!dropPrivileges()) ::_exit(static_cast<int>(Probe::kCannotDrop));
    if (::access(program.c_str(), X_OK) != 0) ::_exit(static_cast<int>(Probe::kCannotRun));
    const std::string file = folder + "/probe";
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) ::_exit(static_cast<int>(Probe::kReadOnly));
    ::close(fd);
    ::unlink(file.c_str());
    ::_exit(static_cast<int>(Probe::kWritable));
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return Probe::kCannotDrop;
  return static_cast<Probe>(WEXITSTATUS(status));
}

constexpr fs::perms kReadable = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr fs::perms kEnterable = kReadable | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;

// A folder and everything in it made read-only for the test's life, and
// writable again for its removal.
class ReadOnly {
 public:
  explicit ReadOnly(const TempFolder& folder) : path_(folder.path()) {
    for (const auto& entry : fs::recursive_directory_iterator(path_))
      fs::permissions(entry.path(), entry.is_directory() ? kEnterable : kReadable);
    fs::permissions(path_, kEnterable);
  }
  ~ReadOnly() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (const auto& entry : fs::recursive_directory_iterator(path_, ignored))
      if (entry.is_directory(ignored))
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  ReadOnly(const ReadOnly&) = delete;
  ReadOnly& operator=(const ReadOnly&) = delete;

 private:
  std::string path_;
};

// Every character on screen, cell by cell.
using Cells = std::vector<char32_t>;
Cells cellsOf(const PtyTerminal& term) {
  Cells cells;
  for (int row = 0; row < term.rows(); ++row)
    for (int column = 0; column < term.columns(); ++column) cells.push_back(term.cell(column, row).ch);
  return cells;
}

// The rows of a screen kept by cellsOf, as text.
std::string textOf(const Cells& cells) {
  std::string text;
  for (std::size_t i = 0; i < cells.size(); ++i) text += utf8(cells[i]) + (i % 80 == 79 ? "\n" : "");
  return text;
}

TEST(ReadOnlyFolder, TheGamePlaysOnSilentlyAndLeavesTheFolderAsItWas) {
  TempFolder folder;
  copyBuiltWorld(folder);
  folder.write("game.dat", progressFile(3, "0.1.0"));
  const std::string progressBefore = progressOf(folder);
  const std::vector<std::string> namesBefore = folder.names();

  // The game itself where the unprivileged user may run it.
  TempFolder programs;
  const std::string binary = programs.path() + "/thalvorine";
  fs::copy_file(THALVORINE_BINARY, binary);
  fs::permissions(programs.path(), kEnterable | fs::perms::owner_write);

  // Only the folder stands in the way of saving: game.dat itself stays
  // writable for the player, so a game that wrote into it would be seen.
  const ReadOnly readOnly(folder);
  const std::string progressPath = folder.path() + "/game.dat";
  fs::permissions(progressPath, fs::perms::owner_write, fs::perm_options::add);
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(progressPath.c_str(), kNobody, kNobody), 0);
  }
  switch (probe(folder.path(), binary)) {
    case Probe::kCannotDrop:
      GTEST_SKIP() << "cannot play as an unprivileged user here";
    case Probe::kCannotRun:
      GTEST_SKIP() << "the unprivileged user cannot reach " << binary;
    case Probe::kWritable:
      GTEST_SKIP() << "a read-only folder stays writable for this user";
    case Probe::kReadOnly:
      break;
  }

  PtyTerminal::Options options;
  options.workingDirectory = folder.path();
  PtyTerminal term(
      [&] {
        if (!dropPrivileges()) return 125;
        char* argv[] = {const_cast<char*>(binary.c_str()), nullptr};
        ::execv(argv[0], argv);
        return 127;
      },
      options);

  // The start screen saves the run counter between the warning and the main
  // menu: every screen shown from the warning's end to the menu is kept, and
  // all that they show must belong to the menu.
  ASSERT_TRUE(term.waitForText("DİKKAT", kPatience)) << term.screenText();
  std::vector<Cells> between;
  bool warningGone = false;
  ASSERT_TRUE(term.waitUntil(
      [&] {
        warningGone = warningGone || term.screenText().find("DİKKAT") == std::string::npos;
        if (warningGone) between.push_back(cellsOf(term));
        return mainMenuShown(term);
      },
      kPatience))
      << term.screenText();
  term.settle(std::chrono::milliseconds(300), kPatience);
  ASSERT_TRUE(mainMenuAsDrawn(term));
  const Cells menu = cellsOf(term);
  ASSERT_FALSE(between.empty());
  for (const Cells& shown : between)
    for (std::size_t i = 0; i < shown.size(); ++i)
      ASSERT_TRUE(shown[i] == U' ' || shown[i] == menu[i])
          << "not the main menu's, at " << i % 80 << "," << i / 80 << ":\n"
          << textOf(shown);
  EXPECT_EQ(progressOf(folder), progressBefore);
  EXPECT_EQ(folder.names(), namesBefore);

  term.press(VTERM_KEY_ESCAPE);
  ASSERT_TRUE(awaitMenu(term, "Evet", {"Hayır"}));
  expectExitWithStatusOne(term);
  EXPECT_EQ(progressOf(folder), progressBefore);
  EXPECT_EQ(folder.names(), namesBefore);
}

}  // namespace
}  // namespace e2e
