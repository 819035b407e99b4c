// Reading a world folder file by file and running every check on it.
#include "tools/world_check.h"

#include <map>
#include <set>

#include "game/rooms.h"
#include "game/rules_document.h"
#include "game/world_choice.h"
#include "tools/language_check.h"
#include "tools/progress_check.h"

namespace worldtool {
namespace fs = std::filesystem;
namespace {

std::optional<SourceFile> readRequired(const fs::path& folder, const std::string& name, Problems& problems) {
  if (!fs::is_regular_file(folder / name)) {
    problems.push_back({name, 0, "missing"});
    return std::nullopt;
  }
  return readSource(folder, name, problems);
}

// The documents of one kind that the game loads: codes 1, 2, ... up to the
// first missing one. Every other file of that kind is a problem.
Records checkDocuments(const fs::path& folder, const RecordLayout& layout, World& world, Problems& problems) {
  const std::string extension = "." + layout.kind;
  std::set<int> codes;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder / layout.folder, error)) {
    if (!entry.is_regular_file() || entry.path().extension() != extension) continue;
    const std::string stem = entry.path().stem().string();
    const std::string name = layout.folder + "/" + entry.path().filename().string();
    const bool codeName = !stem.empty() && stem.size() <= 9 && stem[0] != '0' &&
                          stem.find_first_not_of("0123456789") == std::string::npos;
    if (!codeName) {
      problems.push_back(
          {name, 0,
           "is not named by a code (1" + extension + ", 2" + extension + ", ...), so the game never reads it"});
    } else if (std::stoi(stem) > kLastCode) {
      problems.push_back({name, 0, "code " + stem + " is past 99, the last code the game has room for"});
    } else {
      codes.insert(std::stoi(stem));
    }
  }
  Records records;
  int code = 1;
  for (; codes.count(code); ++code) {
    const std::string name = layout.folder + "/" + std::to_string(code) + extension;
    if (std::optional<SourceFile> file = readSource(folder, name, problems)) {
      records.emplace(code, checkRecord(*file, layout, problems));
      world.files.push_back(std::move(*file));
    }
  }
  for (const int later : codes) {
    if (later <= code) continue;
    problems.push_back({layout.folder + "/" + std::to_string(later) + extension, 0,
                        "is never loaded: " + layout.folder + "/" + std::to_string(code) + extension +
                            " is missing, and loading stops at the first missing code"});
  }
  return records;
}

// The story's title, which the story choice shows: one line that fits a button.
void checkTitle(const SourceFile& title, Problems& problems) {
  if (title.lines.size() > 1) problems.push_back({title.name, 2, "a title is one line"});
  const std::string line = title.lines.empty() ? std::string() : title.lines.front().bytes;
  if (line.find_first_not_of(' ') == std::string::npos) {
    problems.push_back({title.name, 1, "the title is empty: write the story's title on the first line"});
  } else if (line.size() > static_cast<std::size_t>(kWorldTitleLimit)) {
    problems.push_back({title.name, 1,
                        "the title is " + std::to_string(line.size()) + " characters long; the story choice shows " +
                            std::to_string(kWorldTitleLimit)});
  }
}

void checkPocketsWord(const std::string& pockets, const Records& objects, Problems& problems) {
  for (const auto& [code, object] : objects) {
    if (!pockets.empty() && object.name == pockets) {
      problems.push_back(
          {object.file, 2,
           "the name \"" + object.name + "\" is the pockets word (Other/Pockets): typing it opens the pockets"});
    }
  }
}

// Two objects of one room with the same name: the prompt opens the first it
// finds, so the second could never be reached.
void checkSameNames(const Records& rooms, const Records& objects, Problems& problems) {
  for (const auto& [code, room] : rooms) {
    std::map<std::string, int> named;  // name -> the first code with it
    for (int slot = 1; slot <= kContentSlots; ++slot) {
      const ReadNumber& content = room.number(roomLayout(), "Contents " + std::to_string(slot));
      const auto object = objects.find(content.value);
      if (content.value == 0 || object == objects.end()) continue;
      const auto [first, isNew] = named.emplace(object->second.name, content.value);
      if (isNew || first->second == content.value) continue;
      problems.push_back({room.file, content.line,
                          "objects " + std::to_string(first->second) + " and " + std::to_string(content.value) +
                              " are both called \"" + object->second.name + "\" here: typing it opens only the first"});
    }
  }
}

}  // namespace

Problems checkWorld(const fs::path& folder, World* into) {
  Problems problems;
  World world;
  LanguageWords words;
  if (std::optional<SourceFile> file = readRequired(folder, "tr.lng", problems)) {
    words = checkLanguage(*file, problems);
    world.files.push_back(std::move(*file));
  }
  if (std::optional<SourceFile> file = readRequired(folder, "game.dat", problems)) {
    checkProgress(*file, problems);
    world.files.push_back(std::move(*file));
  }
  if (fs::exists(folder / "title")) {
    if (std::optional<SourceFile> file = readSource(folder, "title", problems)) {
      checkTitle(*file, problems);
      world.files.push_back(std::move(*file));
    }
  }
  world.rooms = checkDocuments(folder, roomLayout(), world, problems);
  world.objects = checkDocuments(folder, objectLayout(), world, problems);
  std::optional<SourceFile> rules;
  if (fs::exists(folder / kRulesDocument)) rules = readRequired(folder, kRulesDocument, problems);
  checkCodeReferences(world.rooms, world.objects, problems);
  checkObjectTies(world.objects, problems);
  if (worldCombines(world.objects) && !words.combine) {
    problems.push_back(
        {"tr.lng", 0, "the world's objects combine, so the combine button needs its word: Buttons/Combine"});
  }
  checkPocketsWord(words.pockets, world.objects, problems);
  checkRules(rules ? &*rules : nullptr, world.rooms, world.objects, problems);
  if (rules) world.files.push_back(std::move(*rules));
  checkSameNames(world.rooms, world.objects, problems);
  if (into) *into = std::move(world);
  return problems;
}

void checkCodeReferences(const Records& rooms, const Records& objects, Problems& problems) {
  const auto check = [&](const Records& records, const RecordLayout& layout) {
    for (const auto& [code, record] : records) {
      for (std::size_t i = 0; i < layout.numbers.size(); ++i) {
        const NumberField& field = layout.numbers[i];
        const int value = record.numbers[i].value;
        if (field.kind == NumberKind::Flag || value == 0) continue;
        const bool room = field.kind == NumberKind::RoomCode;
        if ((room ? rooms : objects).count(value)) continue;
        const std::string target =
            room ? "rooms/" + std::to_string(value) + ".room" : "objects/" + std::to_string(value) + ".object";
        problems.push_back({record.file, record.numbers[i].line,
                            field.name + ": " + (room ? "room " : "object ") + std::to_string(value) +
                                " has no document that the game loads (" + target + ")"});
      }
    }
  };
  check(rooms, roomLayout());
  check(objects, objectLayout());
}

}  // namespace worldtool
