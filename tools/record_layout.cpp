// The room and object document layouts, read off the game's own records.
#include "tools/record_layout.h"

#include <algorithm>
#include <memory>

#include "game/objects.h"
#include "game/rooms.h"

namespace worldtool {
namespace {

// Builds a layout by walking a record's fields (see game/record_fields.h).
class LayoutBuilder {
 public:
  explicit LayoutBuilder(RecordLayout& layout) : layout_(layout) {}
  void ignoredLine() { layout_.textLines.push_back("Header"); }
  void line(const char* name, const char*, std::size_t keep) {
    layout_.textLines.push_back(name);
    if (layout_.lineCount() == 2 || keep == kLabelKeep) layout_.shortLines.push_back(layout_.lineCount());
  }
  template <std::size_t Variants, std::size_t Keep>
  void lines(const char* name, char (&)[Variants][Keep]) {
    for (std::size_t i = 1; i <= Variants; ++i) layout_.textLines.push_back(name + (" " + std::to_string(i)));
  }
  void flag(const char* name, bool&) { layout_.numbers.push_back({name, NumberKind::Flag}); }
  void codes(const char* name, int&, CodeKind kind) { layout_.numbers.push_back({name, kindOf(kind)}); }
  template <std::size_t N>
  void codes(const char* name, int (&)[N], CodeKind kind) {
    for (std::size_t i = 1; i <= N; ++i) layout_.numbers.push_back({name + (" " + std::to_string(i)), kindOf(kind)});
  }

 private:
  static NumberKind kindOf(CodeKind kind) {
    return kind == CodeKind::Room ? NumberKind::RoomCode : NumberKind::ObjectCode;
  }
  RecordLayout& layout_;
};

template <class Record>
RecordLayout layoutOf(RecordLayout layout) {
  const auto record = std::make_unique<Record>();  // some 20 KB: not on the stack
  LayoutBuilder builder(layout);
  record->visitDocument(builder);
  return layout;
}

}  // namespace

int RecordLayout::limitOf(int line) const {
  if (line == 1) return 0;
  return std::count(shortLines.begin(), shortLines.end(), line) ? kShortLimit : kTextLimit;
}

int RecordLayout::indexOf(const std::string& field) const {
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (numbers[i].name == field) return static_cast<int>(i);
  }
  return -1;
}

const RecordLayout& roomLayout() {
  static const RecordLayout layout = layoutOf<rooms>({"room", "rooms", {}, {}, {}, false});
  return layout;
}

const RecordLayout& objectLayout() {
  static const RecordLayout layout = layoutOf<objects>({"object", "objects", {}, {}, {}, true});
  return layout;
}

}  // namespace worldtool
