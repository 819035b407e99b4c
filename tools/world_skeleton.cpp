// New documents and new worlds, laid out from the records' own fields and
// the interface strings' paths.
#include "tools/world_skeleton.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <vector>

#include "game/interface_strings.h"
#include "game/rules_document.h"
#include "game/use_rules.h"
#include "game/version.h"
#include "tools/record_layout.h"
#include "tools/world_check.h"

namespace worldtool {
namespace {

struct Line {
  std::vector<std::string> fields;  // written on the line, a blank between them
  std::string before, after;        // around them
  std::string opens;                // the path of the element the line opens
  bool numbers = false;             // the fields are numbers
};
using Layout = std::vector<Line>;

// A document: its text lines, then its numbers, the single ones on one
// line, each numbered list ("Links 1" ...) on a line of its own.
Layout recordLayout(const RecordLayout& record) {
  Layout layout;
  for (const std::string& field : record.textLines) layout.push_back({{field}, "", "", "", false});
  for (const NumberField& field : record.numbers) {
    if (!layout.back().numbers || field.name.ends_with(" 1")) layout.push_back({{}, "", "", "", true});
    layout.back().fields.push_back(field.name);
  }
  return layout;
}

// The elements of `paths` under `parent`, each on a line of its own inside
// its parents; with no parent, the whole file after its declaration.
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
  static const Layout room = recordLayout(roomLayout());
  static const Layout object = recordLayout(objectLayout());
  static const Layout language = xmlLayout(interfaceStringPaths());
  static const Layout progress = xmlLayout({"RunningTime", "version"});
  if (file == "tr.lng" || file == "game.dat") return file == "tr.lng" ? language : progress;
  return file.ends_with(".room") ? room : object;
}

}  // namespace

Fields placeholders(const std::string& file) {
  const std::string code = std::filesystem::path(file).stem().string();
  const Fields special{{"?xml", "version=\"1.0\" encoding=\"UTF-8\""},
                       {"Introduction/Watch", "IZLE"},
                       {"Other/Pockets", "CEPLER"},
                       {"RunningTime", "0"},
                       {"version", kGameVersion},
                       {"Name", (file.ends_with(".room") ? "ROOM" : "OBJECT") + code}};
  Fields values;
  for (const Line& line : layoutOf(file))
    for (const std::string& field : line.fields)
      values[field] = special.count(field) ? special.at(field) : line.numbers ? "0" : field;
  return values;
}

std::string documentText(const std::string& file, const Fields& values, const std::string& lineEnd) {
  std::string text;
  for (const Line& line : layoutOf(file)) {
    std::string joined;
    for (const std::string& field : line.fields) {
      const auto value = values.find(field);
      joined += (joined.empty() ? "" : " ") + (value == values.end() ? "" : value->second);
    }
    text += line.before + joined + line.after + lineEnd;
  }
  return text;
}

int lineOf(const std::string& file, const std::string& field) {
  const Layout& layout = layoutOf(file);
  for (std::size_t line = 0; line < layout.size(); ++line)
    if (layout[line].opens == field || std::count(layout[line].fields.begin(), layout[line].fields.end(), field))
      return static_cast<int>(line) + 1;
  return 0;
}

std::map<std::string, Fields> skeletonWorld() {
  std::map<std::string, Fields> world;
  for (const char* file : {"tr.lng", "game.dat"}) world[file] = placeholders(file);
  // Every room up to the last the rules lead through (loading stops at the
  // first gap), each rule's object usable in its room, the objects between
  // them without a rule in room 1.
  std::map<int, std::vector<int>> contents;
  for (int room = 1; room <= *ruleRooms().rbegin(); ++room) contents[room];
  std::set<int> ruled;
  for (const UseRule& rule : kUseRules) {
    contents[indexOf(rule.room)].push_back(indexOf(rule.object));
    ruled.insert(indexOf(rule.object));
  }
  for (int code = 1; code <= *ruled.rbegin(); ++code) {
    if (!ruled.count(code)) contents[1].push_back(code);
    const std::string file = "objects/" + std::to_string(code) + ".object";
    world[file] = placeholders(file);
    world[file]["CanInteract"] = ruled.count(code) ? "1" : "0";
  }
  for (const auto& [room, objects] : contents) {
    const std::string file = "rooms/" + std::to_string(room) + ".room";
    world[file] = placeholders(file);
    for (std::size_t slot = 0; slot < objects.size(); ++slot)
      world[file]["Contents " + std::to_string(slot + 1)] = std::to_string(objects[slot]);
  }
  return world;
}

std::string skeletonRules() {
  std::string text =
      "# What using an object does, one rule a line:\n"
      "#   <object> <room> light [<room>]   switches a room's light (the rule's own room if none is given)\n"
      "#   <object> <room> answer           shows its ActivatingText\n"
      "#   <object> <room> lead <room>      shows its ActivatingText and leads to the room\n"
      "#   <object> <room> complete         shows its ActivatingText and completes the game\n"
      "# End a rule with needs-passer when it works only with the object's PasserObject in hands.\n"
      "# A line \"holding-texts on\" shows an object's HoldingText when it is taken into hands.\n";
  for (const UseRule& rule : kUseRules) text += ruleLine(rule) + "\n";
  return text;
}

bool writeSkeleton(const std::filesystem::path& folder, std::ostream& errors) {
  std::error_code error;
  if (std::filesystem::exists(folder, error) && !std::filesystem::is_empty(folder, error)) {
    errors << folder.string() << ": is not empty; a new world goes into a new folder\n";
    return false;
  }
  std::map<std::string, std::string> texts{{kRulesDocument, skeletonRules()}, {"title", "The story's title\n"}};
  for (const auto& [file, values] : skeletonWorld()) texts[file] = documentText(file, values);
  for (const auto& [file, text] : texts) {
    std::filesystem::create_directories((folder / file).parent_path(), error);
    std::ofstream out(folder / file, std::ios::binary);
    if (!(out << text) || !out.flush()) {
      errors << (folder / file).string() << ": cannot be written\n";
      return false;
    }
  }
  return true;
}

}  // namespace worldtool
