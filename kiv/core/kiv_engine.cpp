// The console toolkit over the screen buffer and the attached device.
#include "kiv/core/kiv_engine.h"

#include <cassert>
#include <cstring>
#include <memory>
#include <sstream>

#include "kiv/core/text_rendition.h"

namespace kiv {
namespace {

Device* g_device = nullptr;
bool g_silent = false;
bool g_secondCodeFollows = false;  // the last code GetKey returned started a two-code key
std::unique_ptr<ScreenBuffer> g_screen = std::make_unique<ScreenBuffer>();
unsigned g_randState = 1;

struct Note {
  int frequency;
  int ms;
};

constexpr Note kStartupMelody[] = {{329, 300}, {493, 300}, {698, 300}, {659, 600}};
constexpr Note kCompletionTune[] = {{196, 200}, {293, 200}, {392, 300}, {196, 200}, {293, 200}, {392, 600}};

template <std::size_t N>
void play(const Note (&notes)[N]) {
  for (const Note& note : notes) beep(note.frequency, note.ms);
}

// A tone on the device, or its length in silence.
void tone(int frequency, int ms) {
  if (g_silent)
    g_device->sleepMs(ms);
  else
    g_device->beep(frequency, ms);
}

}  // namespace

void attach(Device& device) {
  g_device = &device;
  g_secondCodeFollows = false;
  g_screen = std::make_unique<ScreenBuffer>();
}

Device& device() {
  assert(g_device != nullptr && "kiv::attach must come first");
  return *g_device;
}

ScreenBuffer& screen() { return *g_screen; }

void present() {
  bool bell = screen().takeBells() > 0;
  device().present(screen());
  if (bell) tone(800, 100);
}

void setSilent(bool silent) { g_silent = silent; }

void sleep(int ms) {
  if (ms <= 0) return;
  present();
  device().sleepMs(ms);
}

void beep(int frequency, int ms) {
  present();
  tone(frequency, ms);
}

void srandClassic(unsigned seed) { g_randState = seed; }

int randClassic() {
  g_randState = g_randState * 214013u + 2531011u;
  return static_cast<int>((g_randState >> 16) & 0x7FFF);
}

int Random(int lowest, int highest) {
  srandClassic(static_cast<unsigned>(device().calendarSecond()));
  const int range = highest - lowest + 1;
  int value = lowest;
  for (int draw = 0; draw < 20; ++draw) {
    const long long product = static_cast<long long>(randClassic()) * range;  // no overflow for wide ranges
    value = lowest + static_cast<int>(static_cast<double>(product) / 32768.0);
  }
  return value;
}

int StringToInt(std::string text) {
  std::istringstream in(text);
  int number = 0;
  if (!(in >> number)) return 0;
  return number;
}

std::string IntToString(int number) { return std::to_string(number); }

char* IntToChar(int number) { return StringToChar(IntToString(number)); }

std::string CharToString(const char* ne) {
  std::string word;
  if (ne != nullptr) std::istringstream(ne) >> word;
  return word;
}

char* StringToChar(const std::string& s) {
  char* copy = new char[s.size() + 1];
  std::memcpy(copy, s.c_str(), s.size() + 1);
  return copy;
}

void biip(int melodi) {
  switch (melodi) {
    case 0: {
      const int length = Random(200, 700);
      const int frequency = Random(200, 700);
      beep(frequency, length);
      break;
    }
    case 1:
      play(kStartupMelody);
      break;
    case 2:
      play(kCompletionTune);
      break;
    default:
      break;
  }
}

std::string boslukyarat(int toplamyer, int yazininyeri) {
  const int n = (toplamyer - yazininyeri) / 2;
  return n > 1 ? std::string(n - 1, ' ') : std::string();
}

std::string linefeed(int kactane) { return kactane > 0 ? std::string(kactane, '\n') : std::string(); }

void textattr(int color) { screen().setAttribute(color); }

bool looksAlike(int first, int second) { return device().looksAlike(first, second); }

void ShowConsoleCursor(int bShow) { device().setCursorVisible(bShow != 0); }

int getCursorPosX() { return screen().cursorX(); }
int getCursorPosY() { return screen().cursorY(); }

void Clear() { screen().clear(); }

void SetTitle(const std::string& str) { device().setTitle(str); }

void SetCursorPosition(int x, int y) { screen().setCursor(x, y); }

int GetKey() {
  present();
  const int code = device().readKey();
  g_secondCodeFollows = key::startsTwoCodeKey(code);
  return key::gameCode(code);
}

bool KeyHasSecondCode() { return g_secondCodeFollows; }

int KeyboardHit() { return device().keyWaiting() ? 1 : 0; }

void yaz(std::string yazilacak, bool harfharfmi, int harfarasiuyku, int finaluyku, std::string ilkbosluk, int maxchar) {
  ShowConsoleCursor(0);
  const std::string text = ilkbosluk + yazilacak;
  sayText(text);
  ScreenBuffer& out = screen();
  int column = getCursorPosX();
  bool blankAfterLastWord = true;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t blank = text.find(' ', start);
    const std::size_t end = blank == std::string::npos ? text.size() : blank;
    const std::string_view word(text.data() + start, end - start);
    const int length = static_cast<int>(word.size());

    if (length + column > maxchar) out.write("\n  ");
    if (harfharfmi && !KeyboardHit()) {
      for (char letter : word) {
        out.put(static_cast<std::uint8_t>(letter));
        sleep(harfarasiuyku);
      }
    } else {
      out.write(word);
    }
    // A word that fills the line to `maxchar` exactly gets no blank after
    // it; one that broke the line itself (a line feed inside it) still does,
    // so the next word never runs into it.
    blankAfterLastWord = length + column != maxchar || getCursorPosX() < maxchar;
    if (blankAfterLastWord) out.put(' ');
    column = getCursorPosX();

    if (blank == std::string::npos) break;
    start = blank + 1;
  }
  // Back onto the blank after the last word, so the next text follows at
  // once; a last word that filled its line has no blank to step back onto,
  // and stepping back would let the next text overwrite its last letter.
  if (blankAfterLastWord) out.put('\b');
  sleep(finaluyku);
}

void PressAnyKeyToContinue(std::string thetext) {
  yaz(linefeed(2) + std::string(13, ' ') + thetext, false, 0, 0, "   ", 75);
  GetKey();
  if (KeyHasSecondCode()) GetKey();
}

char convertEN(char str_in) {
  switch (static_cast<unsigned char>(str_in)) {
    case 0x80:
      return 'C';
    case 0x81:
      return 'u';
    case 0x87:
      return 'c';
    case 0x8D:
      return 'i';
    case 0x94:
      return 'o';
    case 0x98:
      return 'I';
    case 0x99:
      return 'O';
    case 0x9A:
      return 'U';
    case 0x9E:
      return 'S';
    case 0x9F:
      return 's';
    case 0xA6:
      return 'G';
    case 0xA7:
      return 'g';
    default:
      return str_in;
  }
}

}  // namespace kiv
