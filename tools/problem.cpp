// Printing problems the way compilers print theirs, so editors can jump to them.
#include "tools/problem.h"

namespace worldtool {

std::string describe(const Problem& problem, const std::string& folder) {
  std::string where = folder.empty() || folder.back() == '/' ? folder + problem.file : folder + "/" + problem.file;
  if (problem.line > 0) where += ":" + std::to_string(problem.line);
  return where + ": " + problem.what;
}

}  // namespace worldtool
