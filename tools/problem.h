// A fault found in a world folder: which file, which line, what is wrong.
#pragma once

#include <string>
#include <vector>

namespace worldtool {

struct Problem {
  std::string file;  // relative to the world folder, '/' between parts
  int line = 0;      // counted from 1; 0 when the fault concerns the whole file
  std::string what;
};

using Problems = std::vector<Problem>;

// "folder/file:line: what", or "folder/file: what" for a whole-file fault.
std::string describe(const Problem& problem, const std::string& folder);

}  // namespace worldtool
