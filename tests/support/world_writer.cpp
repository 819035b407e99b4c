// Test documents laid out line by line as the game's loaders read them.
#include "world_writer.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "game/language.h"
#include "tools/record_layout.h"

namespace testworld {
namespace {

struct Line {
  Line(std::vector<std::string> fields = {}, std::string before = "", std::string after = "", std::string opens = "")
      : fields(std::move(fields)), before(std::move(before)), after(std::move(after)), opens(std::move(opens)) {}
  std::vector<std::string> fields;  // written on the line, a blank between them
  std::string before, after;        // around them
  std::string opens;                // the path of the element the line opens
  bool numbers = false;             // the fields are numbers, 0 unless given
};
using Layout = std::vector<Line>;

struct TextField {
  const char* name;
  int lines;
};

// The text lines of room and object documents, in the order the loaders read them.
constexpr TextField kRoomTexts[] = {{"Header", 1}, {"Name", 1}, {"Description", 5}, {"LinkedDescription", 5},
                                    {"DescriptionWhileLocked", 5}, {"DescriptionWhileDark", 5}};
constexpr TextField kObjectTexts[] = {
    {"Header", 1}, {"Name", 1}, {"Description", 5}, {"ExamineText", 5}, {"PickingUpText", 3},
    {"WhenYouLeaveText", 3}, {"LeftDescription", 3}, {"TakeIntoHandsTitle", 1}, {"TookIntoHandsText", 1},
    {"PutIntoPocketsText", 1}, {"HoldingText", 5}, {"UnableToCombineText", 3}, {"CombinationText", 3},
    {"InteractTitle", 1}, {"ActivatingText", 3}, {"PassivationTitle", 1}, {"DeactivatingText", 3},
    {"InteractionWithAnotherObjectText", 3}};

// Text lines, then the world tool's numbers: the single ones on one line,
// each numbered list ("Links 1" ...) on a line of its own.
template <std::size_t N>
Layout recordLayout(const TextField (&texts)[N], const worldtool::RecordLayout& numbers) {
  Layout layout;
  for (const auto& [name, lines] : texts)
    for (int i = 1; i <= lines; ++i) layout.push_back({{lines == 1 ? name : name + (" " + std::to_string(i))}});
  if (static_cast<int>(layout.size()) != numbers.textLines) throw std::logic_error("text lines miscounted");
  for (const worldtool::NumberField& field : numbers.numbers) {
    if (!layout.back().numbers || field.name.ends_with(" 1")) layout.emplace_back().numbers = true;
    layout.back().fields.push_back(field.name);
  }
  return layout;
}

// Each element of `paths` on a line of its own, inside its parents.
void addElements(Layout& layout, const std::vector<std::string>& paths, const std::string& parent) {
  std::vector<std::string> names;
  for (const std::string& path : paths) {
    if (!path.starts_with(parent)) continue;
    const std::string name = path.substr(parent.size(), path.find('/', parent.size()) - parent.size());
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  for (const std::string& name : names) {
    const std::string path = parent + name;
    if (std::find(paths.begin(), paths.end(), path) != paths.end()) {
      layout.push_back({{path}, "<" + name + ">", "</" + name + ">"});
      continue;
    }
    layout.push_back({{}, "<" + name + ">", "", path});
    addElements(layout, paths, path + "/");
    layout.push_back({{}, "</" + name + ">"});
  }
}

Layout xmlLayout(const std::vector<std::string>& paths) {
  Layout layout{{{"?xml"}, "<?xml ", "?>"}};
  addElements(layout, paths, "");
  return layout;
}

const Layout& layoutOf(const std::string& file) {
  static const Layout room = recordLayout(kRoomTexts, worldtool::roomLayout());
  static const Layout object = recordLayout(kObjectTexts, worldtool::objectLayout());
  static const Layout language = xmlLayout(interfaceStringPaths());
  static const Layout progress = xmlLayout({"RunningTime", "version"});
  if (file == "tr.lng") return language;
  if (file == "game.dat") return progress;
  return file.ends_with(".room") ? room : object;
}

// The index of the line that holds `field` or opens the element at that path.
std::size_t lineIndex(const Layout& layout, const std::string& field) {
  for (std::size_t line = 0; line < layout.size(); ++line) {
    const std::vector<std::string>& fields = layout[line].fields;
    if (layout[line].opens == field || std::find(fields.begin(), fields.end(), field) != fields.end()) return line;
  }
  throw std::invalid_argument("no field " + field);
}

}  // namespace

void WorldWriter::write(const std::string& file, const Fields& fields) {
  const Layout& layout = layoutOf(file);
  Fields& values = values_[file];
  if (values.empty()) {
    const std::string code = std::filesystem::path(file).stem().string();
    const Fields special{{"?xml", "version=\"1.0\" encoding=\"UTF-8\""}, {"Introduction/Watch", "IZLE"},
                         {"Other/Pockets", "CEPLER"}, {"RunningTime", "0"}, {"version", "1.0"},
                         {"Name", (file.ends_with(".room") ? "ROOM" : "OBJECT") + code}};
    for (const Line& line : layout)
      for (const std::string& field : line.fields)
        values[field] = special.count(field) ? special.at(field) : line.numbers ? "0" : field;
  }
  for (const auto& [field, value] : fields) {
    if (values.count(field)) {
      values[field] = value;
      continue;
    }
    std::istringstream list(value);
    int count = 0;
    for (std::string number; list >> number;) values.at(field + " " + std::to_string(++count)) = number;
    if (count == 0) throw std::invalid_argument("no field " + field);
  }
  std::string text;
  for (const Line& line : layout) {
    text += line.before;
    for (const std::string& field : line.fields) text += values[field] + (&field == &line.fields.back() ? "" : " ");
    text += line.after + lineEnd;
  }
  std::filesystem::create_directories((folder_ / file).parent_path());
  std::ofstream(folder_ / file, std::ios::binary) << text;
}

int WorldWriter::lineOf(const std::string& file, const std::string& field) const {
  return static_cast<int>(lineIndex(layoutOf(file), field)) + 1;
}

void WorldWriter::writeRuleWorld() {
  write("tr.lng");
  write("game.dat");
  write("rooms/1.room", {{"IsThatDark", "1"}, {"Links", "2"}, {"Contents", "1 2 3 4 5 6"}, {"ContentsWhileDark", "1 3"}});
  write("rooms/2.room", {{"Contents", "7 8"}});
  write("rooms/3.room", {{"Contents", "9"}});
  for (int code = 1; code <= 9; ++code) write("objects/" + std::to_string(code) + ".object", {{"CanInteract", "1"}});
}

}  // namespace testworld
