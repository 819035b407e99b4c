// The console in a web page: the game's window drawn into the page, keys
// from the page's keyboard, pauses that leave the page running, and the
// beeps as tones, and what the game says handed to the page as text. Built
// for the browser only (Emscripten with ASYNCIFY).
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kiv/core/deadline_pace.h"
#include "kiv/core/device.h"
#include "kiv/core/text_rendition.h"

namespace kiv {

class WebDevice : public Device, public TextRendition {
 public:
  // The rows of the buffer the page shows, from the window's top.
  static constexpr int kVisibleRows = 25;

  // `speedup` (1 to kMaxSpeedup) shortens every pause and tone by the
  // pace's one rule (DeadlinePace::scaled): 1 plays at the real pace.
  // Without `clockMs` the calendar is the browser's clock, run as fast as
  // the pauses, as on the terminal; with it, a
  // recording's clock: it starts at `clockMs` and moves only by the pauses
  // and tones the game asks for (at their full length), as on the virtual
  // console that replays recordings, so that the game's chances come out the
  // same.
  explicit WebDevice(int speedup = 1, std::optional<std::int64_t> clockMs = std::nullopt);

  // Hands on one key the page's keyboard gave, named as the browser names it
  // (KeyboardEvent.key). Returns how many key codes it became: 0 for a key
  // the game has no code for, which the page then leaves to the browser.
  int press(std::string_view keyName);
  // Chooses button `button` (from 0) of the menu waiting for a key: the
  // arrows to it from the selected one, then Enter. False when no menu
  // waits or it has no such button.
  bool choose(int button);
  // While `quick`, the game's pauses pass at once (the page shows its text,
  // not its typing); its tones still last, and the calendar moves on as if
  // the pauses had been waited for.
  void setQuick(bool quick) { quick_ = quick; }
  // How many key codes the game has read so far.
  int keysRead() const { return keysRead_; }

  void present(const ScreenBuffer& screen) override;
  // Waits, with the page running, until the player presses a key.
  int readKey() override;
  bool keyWaiting() override { return !keys_.empty(); }
  void sleepMs(int ms) override;
  void beep(int frequency, int ms) override;
  std::int64_t calendarSecond() override;
  void setTitle(const std::string& title) override;
  void setCursorVisible(bool visible) override { cursorVisible_ = visible; }

  // Each handed to the page as UTF-8: a text as its lines (each told without
  // its blanks around it), a menu as its buttons a line each.
  void text(const std::string& text) override;
  void title(const std::string& title) override;
  void menu(const std::vector<std::string>& buttons, bool vertical) override;
  void selected(int button) override;
  void prompt(const std::string& label) override;

 private:
  // Pauses to the deadline chain: `ms`, sped up, from the previous deadline.
  void pause(int ms);

  std::optional<std::int64_t> clockMs_;
  DeadlinePace pace_;
  std::int64_t startSecond_;  // the calendar and the steady clock at the start
  DeadlinePace::Clock::time_point started_;
  std::deque<int> keys_;
  int keysRead_ = 0;
  bool quick_ = false;
  std::int64_t skippedMs_ = 0;  // the pauses passed at once
  int menuButtons_ = 0;         // the menu waiting for a key: its buttons (0: none),
  int menuSelected_ = 0;        // the one selected,
  bool menuVertical_ = false;   // and its arrows
  bool cursorVisible_ = true;
  std::vector<std::uint16_t> chars_;  // the window's characters, row by row
  std::vector<std::uint8_t> attrs_;   // and their attributes
};

}  // namespace kiv
