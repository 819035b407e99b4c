// Passing what the game says on to the text rendition, if one listens.
#include "kiv/core/text_rendition.h"

namespace kiv {
namespace {
TextRendition* g_rendition = nullptr;
int g_unsaid = 0;  // how many Unsaid live
}  // namespace

void setTextRendition(TextRendition* rendition) { g_rendition = rendition; }

Unsaid::Unsaid() { ++g_unsaid; }
Unsaid::~Unsaid() { --g_unsaid; }

std::string toldLine(const std::string& line) {
  constexpr const char* kUnseen = " \t\r\b\a";
  const std::size_t first = line.find_first_not_of(kUnseen);
  if (first == std::string::npos) return {};
  return line.substr(first, line.find_last_not_of(kUnseen) - first + 1);
}

std::vector<std::string> toldLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(toldLine(text.substr(start, end == std::string::npos ? std::string::npos : end - start)));
    if (end == std::string::npos) return lines;
    start = end + 1;
  }
}

void sayText(const std::string& text) {
  if (g_rendition != nullptr && g_unsaid == 0) g_rendition->text(text);
}

void sayTitle(const std::string& title) {
  if (g_rendition != nullptr) g_rendition->title(title);
}

void sayMenu(const std::vector<std::string>& buttons, bool vertical) {
  if (g_rendition != nullptr && !buttons.empty()) g_rendition->menu(buttons, vertical);
}

void saySelected(int button) {
  if (g_rendition != nullptr) g_rendition->selected(button);
}

void sayPrompt(const std::string& label) {
  if (g_rendition != nullptr) g_rendition->prompt(label);
}

}  // namespace kiv
