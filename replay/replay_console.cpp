// Replaying a recording on the virtual console, checkpoint by checkpoint.
#include "replay/replay_console.h"

#include <fstream>
#include <sstream>

#include "kiv/core/codepage.h"
#include "kiv/core/kiv_engine.h"

namespace replay {
namespace {

std::string quoted(const std::string& codePage857) { return "\"" + kiv::codepage::toUtf8(codePage857) + "\""; }

std::string readFile(const char* name) {
  std::ifstream in(name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

ReplayConsole::ReplayConsole(const Recording& recording, std::ostream* trace) : recording_(recording), trace_(trace) {
  startClockAt(recording.setup.clockMs);
}

void ReplayConsole::present(const kiv::ScreenBuffer& screen) {
  VirtualDevice::present(screen);
  top_ = screen.viewTop(recording_.setup.rows);
}

int ReplayConsole::readKey() {
  checkUpToNextKey(nullptr);
  if (next_ == recording_.steps.size()) throw kiv::ScriptEnded();
  const Step& key = recording_.steps[next_++];
  if (key.atMs && *key.atMs > nowMs()) advance(*key.atMs - nowMs());  // the game waits until it is pressed
  if (trace_ != nullptr)
    *trace_ << "line " << key.line << ", key " << key.code << ", at " << nowMs() << " ms:\n" << screenText();
  return key.code;
}

bool ReplayConsole::keyWaiting() {
  std::size_t at = next_;
  while (at < recording_.steps.size() && !recording_.steps[at].isKey()) ++at;
  return at < recording_.steps.size() && recording_.steps[at].atMs && *recording_.steps[at].atMs <= nowMs();
}

void ReplayConsole::finish(int status) {
  checkUpToNextKey(&status);
  if (next_ < recording_.steps.size()) {
    const std::size_t unread = recording_.steps.size() - next_;
    fail(recording_.steps[next_], "the game ended with status " + std::to_string(status) + " and " +
                                      std::to_string(unread) + " steps of the recording left from here on");
  }
}

void ReplayConsole::finishUnended() { checkUpToNextKey(nullptr); }

void ReplayConsole::checkUpToNextKey(const int* exitStatus) {
  while (next_ < recording_.steps.size() && !recording_.steps[next_].isKey())
    check(recording_.steps[next_++], exitStatus);
}

std::string ReplayConsole::visibleRow(int y) const { return kiv::rowText(kiv::screen(), top_ + y); }

std::string ReplayConsole::screenText() const {
  std::string text;
  for (int y = 0; y < recording_.setup.rows && top_ + y < kiv::ScreenBuffer::kRows; ++y) {
    std::string number = std::to_string(y);
    text += std::string(3 - number.size(), ' ') + number + " |" + kiv::codepage::toUtf8(visibleRow(y)) + "\n";
  }
  return text;
}

void ReplayConsole::check(const Step& step, const int* exitStatus) {
  using Kind = Step::Kind;
  const int rows = recording_.setup.rows;
  // Rows padded to the full width, so that a text may end in blanks.
  auto row = [&](int y) {
    std::string text = y < rows ? visibleRow(y) : std::string();
    text.resize(kiv::ScreenBuffer::kColumns, ' ');
    return text;
  };
  auto onScreen = [&](const std::string& text) {
    for (int y = 0; y < rows; ++y)
      if (row(y).find(text) != std::string::npos) return true;
    return false;
  };
  switch (step.kind) {
    case Kind::Key:
      break;
    case Kind::See:
      if (!onScreen(step.text)) fail(step, "not on the screen: " + quoted(step.text));
      break;
    case Kind::NotSee:
      if (onScreen(step.text)) fail(step, "on the screen, but should not be: " + quoted(step.text));
      break;
    case Kind::Row:
      if (step.y >= rows || visibleRow(step.y) != step.text)
        fail(step, "row " + std::to_string(step.y) + " should read " + quoted(step.text));
      break;
    case Kind::At:
      if (step.y >= rows || row(step.y).compare(step.x, step.text.size(), step.text) != 0)
        fail(step, quoted(step.text) + " should start at column " + std::to_string(step.x) + " of row " +
                       std::to_string(step.y));
      break;
    case Kind::Colour: {
      const int attr = step.y < rows ? kiv::screen().at(step.x, top_ + step.y).attr : -1;
      if (attr != step.number) {
        char wanted[8], found[8];
        std::snprintf(wanted, sizeof wanted, "%02X", step.number);
        std::snprintf(found, sizeof found, "%02X", attr & 0xFF);
        fail(step, "the cell at column " + std::to_string(step.x) + " of row " + std::to_string(step.y) +
                       " has colour " + found + ", not " + wanted);
      }
      break;
    }
    case Kind::Heard: {
      const auto& heard = beeps();
      bool found = false;
      for (std::size_t i = 0; !found && i + step.tones.size() <= heard.size(); ++i) {
        found = true;
        for (std::size_t j = 0; found && j < step.tones.size(); ++j)
          found = heard[i + j].frequency == step.tones[j].first && heard[i + j].ms == step.tones[j].second;
      }
      if (!found) fail(step, "these tones were not played one after another");
      break;
    }
    case Kind::Saved:
      if (readFile("game.dat").find(step.text) == std::string::npos)
        fail(step, "the progress file does not hold \"" + step.text + "\"; it reads:\n" + readFile("game.dat"));
      break;
    case Kind::Title:
      if (title() != step.text) fail(step, "the title is " + quoted(title()) + ", not " + quoted(step.text));
      break;
    case Kind::Exit:
      if (exitStatus == nullptr)
        fail(step, "the game has not ended: it waits for a key");
      else if (*exitStatus != step.number)
        fail(step, "the game ended with status " + std::to_string(*exitStatus));
      break;
  }
}

void ReplayConsole::fail(const Step& step, std::string message) {
  failures_.push_back({step.line, std::move(message), screenText()});
}

}  // namespace replay
