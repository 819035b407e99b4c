// Writing what the game says as plain lines.
#include "kiv/plain/plain_text.h"

#include "kiv/core/codepage.h"

namespace kiv::plain {
void PlainText::endPromptLine() {
  if (!midLine_) return;
  out_ << '\n';
  midLine_ = false;
}

void PlainText::line(const std::string& utf8) {
  endPromptLine();
  if (emptyLineDue_ && wroteLine_) out_ << '\n';
  out_ << utf8 << '\n';
  wroteLine_ = true;
  emptyLineDue_ = false;
}

void PlainText::text(const std::string& text) {
  waiting_ = {};
  for (const std::string& shown : toldLines(text)) {
    if (shown.empty())
      emptyLineDue_ = true;
    else
      line(codepage::toUtf8(shown));
  }
}

void PlainText::title(const std::string& title) {
  waiting_ = {};
  emptyLineDue_ = true;
  line(codepage::toUtf8(toldLine(title)));
  emptyLineDue_ = true;
}

std::string PlainText::button(int index) const {
  return (index == waiting_.selected ? "* " : "  ") + std::to_string(index + 1) + ". " + buttons_[index];
}

void PlainText::menu(const std::vector<std::string>& buttons, bool vertical) {
  buttons_.clear();
  for (const std::string& name : buttons) buttons_.push_back(codepage::toUtf8(toldLine(name)));
  waiting_ = {Waiting::For::Menu, static_cast<int>(buttons.size()), 0, vertical};
  announced_ = 0;
  emptyLineDue_ = true;
  listMenu();
}

void PlainText::listMenu() {
  for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) line(button(i));
  announced_ = waiting_.selected;
}

void PlainText::selected(int button) {
  if (waiting_.what == Waiting::For::Menu && button >= 0 && button < waiting_.buttons) waiting_.selected = button;
}

void PlainText::prompt(const std::string& label) {
  waiting_ = {Waiting::For::Word};
  endPromptLine();
  if (wroteLine_) out_ << '\n';
  out_ << codepage::toUtf8(toldLine(label)) << ' ';
  midLine_ = true;
  wroteLine_ = true;
  emptyLineDue_ = false;
}

void PlainText::beforeReading() {
  if (waiting_.what == Waiting::For::Menu && waiting_.selected != announced_) {
    line(button(waiting_.selected));
    announced_ = waiting_.selected;
  }
  out_.flush();
}

void PlainText::heard(const std::string& utf8Line, bool echo) {
  if (echo) {
    if (!midLine_) out_ << "> ";
    for (char c : utf8Line) {
      if (c == '\033')
        out_ << "<Esc>";
      else if (static_cast<unsigned char>(c) >= 0x20)
        out_ << c;
    }
    out_ << '\n';
    wroteLine_ = true;
  }
  midLine_ = false;
}

void PlainText::inputEnded() {
  endPromptLine();
  out_.flush();
}

void PlainText::bell() { out_ << '\a'; }

}  // namespace kiv::plain
