// The web page's console: the device seam over the page's script (web/device_imports.js).
#include "kiv/web/web_device.h"

#include <emscripten.h>

#include <chrono>
#include <cmath>
#include <ctime>

#include "kiv/core/codepage.h"
#include "kiv/core/key_codes.h"
#include "kiv/core/screen_buffer.h"
#include "kiv/web/web_keys.h"

// What the page's script does for the device.
extern "C" {
// Shows the window: kColumns × kVisibleRows characters (Unicode) and
// attributes, the cursor at (x, y) of the window (y -1: not in it).
void thalvorine_show(const std::uint16_t* chars, const std::uint8_t* attrs, int cursorX, int cursorY,
                     int cursorVisible);
// Returns when a key may have been pressed, the page running meanwhile.
void thalvorine_wait_for_key();
// Starts a tone of `frequency` Hz, sounding `soundMs` ms, asked for as `ms` ms.
void thalvorine_tone(int frequency, int ms, int soundMs);
void thalvorine_title(const char* utf8);
// Keeps the progress file in the browser's storage if it has changed.
void thalvorine_keep_progress();
// What the game says, in UTF-8: kind 0 a text (its lines), 1 a title, 2 a prompt's label.
void thalvorine_say(int kind, const char* utf8);
// A menu waits with these buttons (a line each), moved with Up and Down when `vertical`.
void thalvorine_say_menu(const char* utf8Buttons, int vertical);
// The menu's selection is on `button` (from 0) while it waits for a key.
void thalvorine_say_selected(int button);
}

namespace kiv {
namespace {

enum Said { kText = 0, kTitle = 1, kPrompt = 2 };

std::string told(const std::string& line) { return codepage::toUtf8(toldLine(line)); }

}  // namespace

WebDevice::WebDevice(int speedup, std::optional<std::int64_t> clockMs)
    : clockMs_(clockMs),
      pace_(speedup),
      startSecond_(static_cast<std::int64_t>(std::time(nullptr))),
      started_(DeadlinePace::Clock::now()),
      chars_(ScreenBuffer::kColumns * kVisibleRows, ' '),
      attrs_(ScreenBuffer::kColumns * kVisibleRows, 0x07) {}

int WebDevice::press(std::string_view keyName) {
  const WebKey key = webKey(keyName);
  for (int i = 0; i < key.count; ++i) keys_.push_back(key.codes[i]);
  return key.count;
}

bool WebDevice::choose(int button) {
  if (button < 0 || button >= menuButtons_) return false;
  const std::deque<int> codes = key::codesToChoose(menuSelected_, button, menuVertical_);
  keys_.insert(keys_.end(), codes.begin(), codes.end());
  return true;
}

void WebDevice::present(const ScreenBuffer& screen) {
  const int top = screen.viewTop(kVisibleRows);
  for (int row = 0; row < kVisibleRows; ++row)
    for (int x = 0; x < ScreenBuffer::kColumns; ++x) {
      const Cell& cell = screen.at(x, top + row);
      const std::size_t i = static_cast<std::size_t>(row * ScreenBuffer::kColumns + x);
      chars_[i] = static_cast<std::uint16_t>(codepage::toUnicode(cell.ch));
      attrs_[i] = static_cast<std::uint8_t>(cell.attr & 0xFF);
    }
  const int cursorRow = screen.cursorY() - top;
  thalvorine_show(chars_.data(), attrs_.data(), screen.cursorX(),
                  cursorRow >= 0 && cursorRow < kVisibleRows ? cursorRow : -1, cursorVisible_ ? 1 : 0);
}

int WebDevice::readKey() {
  if (keys_.empty()) {
    thalvorine_keep_progress();  // a save comes before the next question
    while (keys_.empty()) thalvorine_wait_for_key();
    pace_.restart();  // the player's time is not the typewriter's
  }
  const int code = keys_.front();
  keys_.pop_front();
  ++keysRead_;
  return code;
}

void WebDevice::pause(int ms) {
  if (clockMs_ && ms > 0) *clockMs_ += ms;
  if (quick_) {
    if (ms > 0) skippedMs_ += pace_.scaled(ms);
    pace_.restart();
    return;
  }
  const auto deadline = pace_.deadline(DeadlinePace::Clock::now(), ms);
  const std::chrono::duration<double, std::milli> left = deadline - DeadlinePace::Clock::now();
  if (left.count() > 0) emscripten_sleep(static_cast<unsigned>(std::ceil(left.count())));
}

void WebDevice::sleepMs(int ms) { pause(ms); }

void WebDevice::beep(int frequency, int ms) {
  thalvorine_tone(frequency, ms, pace_.scaled(ms));
  const bool quick = quick_;
  quick_ = false;  // a tone lasts: the next one must not sound over it
  pause(ms);
  quick_ = quick;
}

std::int64_t WebDevice::calendarSecond() {
  if (clockMs_) return *clockMs_ / 1000;
  const auto skipped = std::chrono::milliseconds(skippedMs_);
  return pace_.calendarSecond(startSecond_, DeadlinePace::Clock::now() - started_ + skipped);
}

void WebDevice::setTitle(const std::string& title) { thalvorine_title(codepage::toUtf8(title).c_str()); }

void WebDevice::text(const std::string& text) {
  menuButtons_ = 0;
  std::string lines;
  for (const std::string& line : toldLines(text)) lines += codepage::toUtf8(line) + '\n';
  lines.pop_back();  // the lines between line feeds, as the text had them
  thalvorine_say(kText, lines.c_str());
}

void WebDevice::title(const std::string& title) {
  menuButtons_ = 0;
  thalvorine_say(kTitle, told(title).c_str());
}

void WebDevice::menu(const std::vector<std::string>& buttons, bool vertical) {
  menuButtons_ = static_cast<int>(buttons.size());
  menuSelected_ = 0;
  menuVertical_ = vertical;
  std::string lines;
  for (const std::string& name : buttons) lines += (lines.empty() ? "" : "\n") + told(name);
  thalvorine_say_menu(lines.c_str(), vertical ? 1 : 0);
}

void WebDevice::selected(int button) {
  if (button < 0 || button >= menuButtons_) return;
  menuSelected_ = button;
  thalvorine_say_selected(button);
}

void WebDevice::prompt(const std::string& label) {
  menuButtons_ = 0;
  thalvorine_say(kPrompt, told(label).c_str());
}

}  // namespace kiv
