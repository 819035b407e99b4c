// The console toolkit every screen of the game draws with: colours, cursor,
// clearing, keys, beeps, chance, conversions and the typewriter output.
#pragma once

#include <string>

#include "kiv/core/device.h"
#include "kiv/core/screen_buffer.h"

namespace kiv {

// Makes `device` the console's device and starts a fresh screen buffer.
// The device must outlive every later call of this namespace.
void attach(Device& device);
Device& device();
ScreenBuffer& screen();

// Shows what the buffer holds now. Every blocking wait does this first.
void present();
// Blocks for `ms` milliseconds, the screen shown first. Nothing for ms <= 0.
void sleep(int ms);
// Plays a tone of `frequency` Hz for `ms` milliseconds, the screen shown
// first; while silent, a pause of the same length instead.
void beep(int frequency, int ms);
// Silences every tone and bell from now on (the pauses stay), or ends that.
void setSilent(bool silent);

// An integer from `lowest` to `highest`, both included. Reseeds the classic
// runtime generator from the calendar second at every call: equal calls in
// the same second give equal numbers.
int Random(int lowest, int highest);

// The classic runtime generator: state × 214013 + 2531011, bits 16 to 30.
void srandClassic(unsigned seed);
int randClassic();

// A decimal integer from the start of `text` (leading white space and a sign
// allowed); 0 if the text does not start with one.
int StringToInt(std::string text);
std::string IntToString(int number);
// A newly allocated, zero-terminated copy of the decimal text; the caller owns it.
char* IntToChar(int number);
// The first white-space-delimited word of `ne`; empty for an empty or blank text.
std::string CharToString(const char* ne);
// A newly allocated, zero-terminated copy of `s`; the caller owns it.
char* StringToChar(const std::string& s);

// 0: one beep of random length and pitch (200 to 700); 1: the start-up
// melody; 2: the completion tune; anything else: silence.
void biip(int melodi);

// Blanks that put a text of length `yazininyeri` one column left of the
// centre of a field `toplamyer` wide: (toplamyer − yazininyeri) / 2 − 1 of them.
std::string boslukyarat(int toplamyer, int yazininyeri);
// `kactane` line feeds; none for 0 or less.
std::string linefeed(int kactane);

void textattr(int color);
// True when screens cleared in these two attributes look the same on the device.
bool looksAlike(int first, int second);
void ShowConsoleCursor(int bShow);
int getCursorPosX();
int getCursorPosY();
// Clears the whole buffer in the current attribute; the cursor goes home.
void Clear();
void SetTitle(const std::string& str);
void SetCursorPosition(int x, int y);
// Waits for one key code, without echo.
int GetKey();
// True when the code GetKey last returned is the first of a two-code key (an
// arrow's 224, not the typed letter Ó): the next GetKey returns its second.
bool KeyHasSecondCode();
// Non-zero if a key is waiting; reads nothing.
int KeyboardHit();

// The typewriter: writes `ilkbosluk` + `yazilacak` at the cursor, word by
// word, starting a word on a new line (after two blanks) when it would end
// past column `maxchar`. With `harfharfmi` each letter is followed by a pause
// of `harfarasiuyku` ms, unless a key is waiting: then the rest appears at
// once and the key stays for the next reader. Ends with a backspace onto the
// blank after the last word (none when that word filled its line to
// `maxchar`) and a pause of `finaluyku` ms. Hides the cursor.
void yaz(std::string yazilacak, bool harfharfmi, int harfarasiuyku, int finaluyku, std::string ilkbosluk, int maxchar);

// Shows `thetext` two lines down after 13 blanks and waits for one key
// press (both codes of a two-code key).
void PressAnyKeyToContinue(std::string thetext);

// The plain Latin letter for one of the twelve Turkish letters of code page
// 857; every other byte unchanged.
char convertEN(char str_in);

}  // namespace kiv
