// libvterm as the screen the tests read.
#include "emulator.h"

#include "kiv/codepage.h"

namespace e2e {
namespace {

int paletteNumber(const VTermColor& colour, bool foreground) {
  if (foreground ? VTERM_COLOR_IS_DEFAULT_FG(&colour) : VTERM_COLOR_IS_DEFAULT_BG(&colour)) return -1;
  return VTERM_COLOR_IS_INDEXED(&colour) ? colour.indexed.idx : -2;  // a direct colour: the game sends none
}

}  // namespace

Emulator::Emulator(int rows, int columns) : vterm_(vterm_new(rows, columns)), rows_(rows), columns_(columns) {
  vterm_set_utf8(vterm_, 1);
  screen_ = vterm_obtain_screen(vterm_);
  static const VTermScreenCallbacks callbacks = {nullptr, nullptr, nullptr, &Emulator::onTermProp,
                                                 nullptr, nullptr, nullptr, nullptr};
  vterm_screen_set_callbacks(screen_, &callbacks, this);
  vterm_screen_enable_altscreen(screen_, 1);
  vterm_screen_reset(screen_, 1);
}

Emulator::~Emulator() { vterm_free(vterm_); }

int Emulator::onTermProp(VTermProp prop, VTermValue* value, void* self) {
  auto* term = static_cast<Emulator*>(self);
  if (prop == VTERM_PROP_TITLE) term->title_ = value->string != nullptr ? value->string : "";
  if (prop == VTERM_PROP_CURSORVISIBLE) term->cursorVisible_ = value->boolean != 0;
  if (prop == VTERM_PROP_ALTSCREEN) term->altScreen_ = value->boolean != 0;
  return 1;
}

void Emulator::write(const char* bytes, std::size_t size) { vterm_input_write(vterm_, bytes, size); }

void Emulator::setSize(int rows, int columns) {
  rows_ = rows;
  columns_ = columns;
  vterm_set_size(vterm_, rows, columns);
}

Emulator::Cell Emulator::cell(int column, int row) const {
  VTermScreenCell shown{};
  vterm_screen_get_cell(screen_, VTermPos{row, column}, &shown);
  return {
      shown.chars[0] == 0 ? U' ' : static_cast<char32_t>(shown.chars[0]),
      {paletteNumber(shown.fg, true), paletteNumber(shown.bg, false), shown.attrs.bold != 0, shown.attrs.reverse != 0}};
}

std::pair<int, int> Emulator::cursor() const {
  VTermPos at{};
  vterm_state_get_cursorpos(vterm_obtain_state(vterm_), &at);
  return {at.row, at.col};
}

bool Emulator::penIsPlain() const {
  VTermState* state = vterm_obtain_state(vterm_);
  VTermValue bold{}, reverse{}, foreground{}, background{};
  vterm_state_get_penattr(state, VTERM_ATTR_BOLD, &bold);
  vterm_state_get_penattr(state, VTERM_ATTR_REVERSE, &reverse);
  vterm_state_get_penattr(state, VTERM_ATTR_FOREGROUND, &foreground);
  vterm_state_get_penattr(state, VTERM_ATTR_BACKGROUND, &background);
  return !bold.boolean && !reverse.boolean && VTERM_COLOR_IS_DEFAULT_FG(&foreground.color) &&
         VTERM_COLOR_IS_DEFAULT_BG(&background.color);
}

std::string Emulator::rowText(int row) const {
  std::string text;
  for (int x = 0; x < columns_; ++x) kiv::codepage::appendUtf8(text, cell(x, row).ch);
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::string Emulator::screenText() const {
  std::string text;
  for (int y = 0; y < rows_; ++y) text += rowText(y) + "\n";
  return text;
}

}  // namespace e2e
