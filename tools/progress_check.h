// Checking the progress file the world ships with: a run counter and a version.
#pragma once

#include "tools/problem.h"
#include "tools/source_text.h"

namespace worldtool {

// Reports a document that is not well-formed, a missing RunningTime or
// version element, and a RunningTime that is not a whole number.
void checkProgress(const SourceFile& file, Problems& problems);

}  // namespace worldtool
