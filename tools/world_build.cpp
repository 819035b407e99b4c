// Converting a world and writing it out, only when it is clean.
#include "tools/world_build.h"

#include <fstream>
#include <set>

#include "game/rules_document.h"
#include "tools/world_check.h"

namespace worldtool {
namespace fs = std::filesystem;
namespace {

bool report(const Problems& problems, const fs::path& folder, std::ostream& err) {
  for (const Problem& problem : problems) err << describe(problem, folder.string()) << '\n';
  return problems.empty();
}

// Removes the documents of one kind in `folder` that are not in `keep`.
void removeStale(const fs::path& folder, const std::string& extension, const std::set<fs::path>& keep) {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (entry.is_regular_file() && entry.path().extension() == extension && !keep.count(entry.path())) {
      fs::remove(entry.path(), error);
    }
  }
}

}  // namespace

bool checkAndReport(const fs::path& folder, std::ostream& err) { return report(checkWorld(folder), folder, err); }

bool buildWorld(const fs::path& source, const fs::path& output, std::ostream& err) {
  World world;
  if (!report(checkWorld(source, &world), source, err)) return false;
  std::error_code error;
  if (fs::exists(output, error) && fs::equivalent(source, output, error)) {
    err << output.string() << ": the output folder must not be the source folder\n";
    return false;
  }
  std::set<fs::path> written;
  for (const SourceFile& file : world.files) {
    const fs::path target = output / file.name;
    fs::create_directories(target.parent_path(), error);
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    const std::string bytes = file.codePage();
    if (!(out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) && out.flush())) {
      err << target.string() << ": cannot be written\n";
      return false;
    }
    written.insert(target);
  }
  removeStale(output / "rooms", ".room", written);
  removeStale(output / "objects", ".object", written);
  if (!written.count(output / kRulesDocument)) fs::remove(output / kRulesDocument, error);  // the original rules then
  return true;
}

}  // namespace worldtool
