// Test documents laid out line by line as the game's loaders read them.
#include "world_writer.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "game/interface_strings.h"
#include "game/use_rules.h"
#include "tools/record_layout.h"

namespace testworld {
namespace {

struct Line {
  std::vector<std::string> fields;  // written on the line, a blank between them
  std::string before, after;        // around them
  std::string opens;                // the path of the element the line opens
  bool numbers;                     // the fields are numbers, 0 unless given
};
using Layout = std::vector<Line>;

// A document as the world tool lays it out: its text lines, then its
// numbers, the single ones on one line, each numbered list ("Links 1" ...)
// on a line of its own.
Layout recordLayout(const worldtool::RecordLayout& record) {
  Layout layout;
  for (const std::string& field : record.textLines) layout.push_back({{field}, "", "", "", false});
  for (const worldtool::NumberField& field : record.numbers) {
    if (!layout.back().numbers || field.name.ends_with(" 1")) layout.push_back({{}, "", "", "", true});
    layout.back().fields.push_back(field.name);
  }
  return layout;
}

// The elements of `paths` under `parent`, each on a line of its own inside its
// parents: with no parent, the whole file after its declaration.
Layout xmlLayout(const std::vector<std::string>& paths, const std::string& parent = "") {
  Layout layout;
  if (parent.empty()) layout.push_back({{"?xml"}, "<?xml ", "?>", "", false});
  std::vector<std::string> done;
  for (const std::string& path : paths) {
    if (!path.starts_with(parent)) continue;
    const std::string name = path.substr(parent.size(), path.find('/', parent.size()) - parent.size());
    if (std::find(done.begin(), done.end(), name) != done.end()) continue;
    done.push_back(name);
    if (path == parent + name) {
      layout.push_back({{path}, "<" + name + ">", "</" + name + ">", "", false});
      continue;
    }
    const Layout inner = xmlLayout(paths, parent + name + "/");
    layout.push_back({{}, "<" + name + ">", "", parent + name, false});
    layout.insert(layout.end(), inner.begin(), inner.end());
    layout.push_back({{}, "</" + name + ">", "", "", false});
  }
  return layout;
}

const Layout& layoutOf(const std::string& file) {
  static const Layout room = recordLayout(worldtool::roomLayout());
  static const Layout object = recordLayout(worldtool::objectLayout());
  static const Layout language = xmlLayout(interfaceStringPaths());
  static const Layout progress = xmlLayout({"RunningTime", "version"});
  if (file == "tr.lng" || file == "game.dat") return file == "tr.lng" ? language : progress;
  return file.ends_with(".room") ? room : object;
}

}  // namespace

void WorldWriter::write(const std::string& file, const Fields& fields) {
  const Layout& layout = layoutOf(file);
  Fields& values = values_[file];
  if (values.empty()) {
    const std::string code = std::filesystem::path(file).stem().string();
    const std::string name = (file.ends_with(".room") ? "ROOM" : "OBJECT") + code;
    const Fields special{{"?xml", "version=\"1.0\" encoding=\"UTF-8\""}, {"Introduction/Watch", "IZLE"},
                         {"Other/Pockets", "CEPLER"}, {"RunningTime", "0"}, {"version", "1.0"}, {"Name", name}};
    for (const Line& line : layout)
      for (const std::string& field : line.fields)
        values[field] = special.count(field) ? special.at(field) : line.numbers ? "0" : field;
  }
  for (const auto& [field, value] : fields) {
    if (values.count(field)) {
      values[field] = value;
      continue;
    }
    std::istringstream list(value);  // numbers for "field 1", "field 2" ...
    int count = 0;
    for (std::string number; list >> number;) values.at(field + " " + std::to_string(++count)) = number;
    if (count == 0) throw std::invalid_argument("no field " + field);
  }
  std::string text;
  for (const Line& line : layout) {
    std::string joined;
    for (const std::string& field : line.fields) joined += (joined.empty() ? "" : " ") + values[field];
    text += line.before + joined + line.after + lineEnd;
  }
  std::filesystem::create_directories((folder_ / file).parent_path());
  std::ofstream(folder_ / file, std::ios::binary) << text;
}

int WorldWriter::lineOf(const std::string& file, const std::string& field) const {
  const Layout& layout = layoutOf(file);
  for (std::size_t line = 0; line < layout.size(); ++line)
    if (layout[line].opens == field || std::count(layout[line].fields.begin(), layout[line].fields.end(), field))
      return static_cast<int>(line) + 1;
  throw std::invalid_argument("no field " + field);
}

void WorldWriter::writeRuleWorld() {
  values_.clear();
  write("tr.lng");
  write("game.dat");
  // Each rule's object in its room, usable; the objects between them without a rule, in room 1.
  std::map<int, std::string> contents;
  int lastObject = 0;
  for (const UseRule& rule : kUseRules) {
    contents[indexOf(rule.room)] += std::to_string(indexOf(rule.object)) + " ";
    lastObject = std::max(lastObject, indexOf(rule.object));
  }
  for (int code = 1; code <= lastObject; ++code) {
    const bool ruled = std::any_of(std::begin(kUseRules), std::end(kUseRules),
                                   [&](const UseRule& rule) { return indexOf(rule.object) == code; });
    if (!ruled) contents[1] += std::to_string(code) + " ";
    write("objects/" + std::to_string(code) + ".object", {{"CanInteract", ruled ? "1" : "0"}});
  }
  for (const auto& [room, objects] : contents)
    write("rooms/" + std::to_string(room) + ".room", {{"Contents", objects}});
}

}  // namespace testworld
