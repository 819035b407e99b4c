// Checking one room or object document against its layout.
#pragma once

#include <string>
#include <vector>

#include "tools/problem.h"
#include "tools/record_layout.h"
#include "tools/source_text.h"

namespace worldtool {

struct ReadNumber {
  int value = 0;  // 0 where the document holds no valid number
  int line = 0;   // where it stands in the document
};

// What the checks across documents need to know of one document.
struct Record {
  std::string file;
  std::string name;                 // line 2 as written
  std::vector<ReadNumber> numbers;  // as many as the layout has, in its order
  bool numbersValid = false;        // every number present, a number, and in range

  // The number called `field` in `layout`.
  const ReadNumber& number(const RecordLayout& layout, const std::string& field) const;
};

// Checks the lengths of the text lines, the name, and the number block of
// `file`, reporting every fault with its line. Always gives a Record with
// all of the layout's numbers (missing or broken ones as 0 at line 0).
Record checkRecord(const SourceFile& file, const RecordLayout& layout, Problems& problems);

}  // namespace worldtool
