// Parsing the world's XML files the way the game parses them, with the line
// numbers of what is found or missing.
#pragma once

#include <pugixml.hpp>
#include <set>
#include <string>

#include "tools/problem.h"
#include "tools/source_text.h"

namespace worldtool {

class XmlSource {
 public:
  // Parses `file` with the game's options; a document that is not well-formed
  // gives a problem at the parser's line, and ok() false.
  XmlSource(const SourceFile& file, Problems& problems);

  bool ok() const { return ok_; }
  const pugi::xml_document& document() const { return document_; }
  // The element at `path` ("Pockets/TypePockets/T1") as the game finds it
  // (the first of each name), or a null node.
  pugi::xml_node find(const std::string& path) const;
  // The line of `node` in the file; 0 for a null node.
  int lineOf(const pugi::xml_node& node) const;
  // A problem at `path`: "missing element <path>" at the line of its closest
  // ancestor that is present (the whole file if none is), and the node if found.
  // A later element of a name on the path, which the game never reads, is a
  // problem at its own line (once, however many paths lead through it).
  pugi::xml_node require(const std::string& path, Problems& problems) const;

 private:
  int lineAt(std::ptrdiff_t offset) const;
  void reportLaterNamesakes(const std::string& path, Problems& problems) const;

  const SourceFile& file_;
  pugi::xml_document document_;
  bool ok_ = false;
  mutable std::set<std::ptrdiff_t> reported_;  // the later namesakes already reported
};

}  // namespace worldtool
