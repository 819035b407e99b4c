// The game said as plain lines, and the plain device's clock and input.
#include "kiv/plain/plain_text.h"

#include <gtest/gtest.h>

#include <sstream>

#include "kiv/plain/plain_device.h"

namespace {

using kiv::plain::PlainText;

TEST(PlainText, WritesTextsTitlesMenusAndThePromptAsLines) {
  const struct {
    const char* what;
    void (*say)(PlainText&);
    const char* lines;
  } cases[] = {
      {"a text's lines trimmed, runs of empty lines one",
       [](PlainText& t) { t.text("\n\n   Bir  iki \n\n\n  \x80ok\b"); }, "Bir  iki\n\nÇok\n"},
      {"each text on lines of its own", [](PlainText& t) { t.text("Bir"), t.text(" iki"); }, "Bir\niki\n"},
      {"a title between empty lines", [](PlainText& t) { t.text("Bir"), t.title("   ODA  "), t.text("iki"); },
       "Bir\n\nODA\n\niki\n"},
      {"a menu numbered, its selection marked and its moves said",
       [](PlainText& t) {
         t.text("Soru");
         t.menu({"Evet", "Hay\x8Dr"}, false);
         t.selected(1);
         t.beforeReading();
         t.beforeReading();
       },
       "Soru\n\n* 1. Evet\n  2. Hayır\n* 2. Hayır\n"},
      {"the prompt's label with the word echoed after it",
       [](PlainText& t) { t.text("Oda"), t.prompt("Komut :"), t.heard("SAAT", true), t.text("Saat"); },
       "Oda\n\nKomut : SAAT\nSaat\n"},
      {"a terminal's own echo ends the prompt's line",
       [](PlainText& t) { t.prompt("Komut :"), t.heard("SAAT", false), t.text("Saat"); }, "Komut : Saat\n"},
      {"a menu's line echoed, Esc shown by name", [](PlainText& t) { t.menu({"A"}, true), t.heard("\x1b", true); },
       "* 1. A\n> <Esc>\n"},
  };
  for (const auto& [what, say, lines] : cases) {
    std::ostringstream out;
    PlainText text(out);
    say(text);
    EXPECT_EQ(out.str(), lines) << what;
  }
}

TEST(PlainText, KnowsWhatTheGameWaitsFor) {
  std::ostringstream out;
  PlainText text(out);
  text.menu({"A", "B", "C"}, true);
  text.selected(2);
  EXPECT_EQ(text.waiting().what, kiv::plain::Waiting::For::Menu);
  EXPECT_EQ(std::tuple(text.waiting().buttons, text.waiting().selected, text.waiting().vertical),
            std::tuple(3, 2, true));
  text.prompt("Komut :");
  EXPECT_EQ(text.waiting().what, kiv::plain::Waiting::For::Word);
  text.text("Devam etmek için bir tuşa bas.");
  EXPECT_EQ(text.waiting().what, kiv::plain::Waiting::For::AnyKey);
}

TEST(PlainDevice, SkipsPausesButMovesTheClockOnAsIfItHadWaited) {
  std::istringstream in;
  std::ostringstream out;
  kiv::PlainDevice device(in, out, {.bell = true, .startCalendarMs = 1'800'000'000'500});
  device.sleepMs(400);
  device.beep(440, 300);
  EXPECT_EQ(device.calendarSecond(), 1'800'000'001);  // 500 + 700 ms on, within a second of real time
  EXPECT_EQ(out.str(), "\a");
}

TEST(PlainDevice, ForgetsKeysLeftOverWhenANewPromptWaitsAndListsAMenuAgainForANonsenseLine) {
  std::istringstream in("1\nx\n2\n\x1b\n");
  std::ostringstream out;
  kiv::PlainDevice device(in, out, {});
  device.prompt("Komut :");
  EXPECT_EQ(device.readKey(), '1');
  device.menu({"A", "B"}, false);      // the Enter of "1" is not the menu's
  EXPECT_EQ(device.readKey(), 0x1E0);  // "x" chose nothing; "2": Right, then Enter
  EXPECT_EQ(device.readKey(), 77);
  EXPECT_EQ(device.readKey(), 13);
  EXPECT_EQ(out.str(), "Komut : \n* 1. A\n  2. B\n* 1. A\n  2. B\n");
  EXPECT_EQ(device.readKey(), 27);
  EXPECT_THROW(device.readKey(), kiv::InputEnded);
}

}  // namespace
