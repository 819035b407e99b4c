// Reading the plain-text room and object documents: text lines with a
// length limit, then whitespace-separated numbers.
#pragma once

#include <cstddef>
#include <fstream>
#include <istream>
#include <string>

#include "game/record_fields.h"

// Opens the document at `path` for reading; false when there is none. Only a
// regular file is a document (a folder or a pipe of that name is not).
bool openDocument(const std::string& path, std::ifstream& in);

class RecordReader {
 public:
  explicit RecordReader(std::istream& in) : in_(in) {}

  // Skips one line, whatever its length.
  void skipLine();
  // Reads one line (a CR before the LF dropped) into `field`, keeping its
  // first `capacity` − 1 bytes; a longer line is cut and the next read
  // starts at the next line. At the end of the document nothing changes.
  void text(char* field, std::size_t capacity);
  // Reads the next whitespace-separated decimal number. Once a number fails
  // (end of the document, or not a number), this and every later read leave
  // their target unchanged.
  void number(int& value);
  // A number that stands for a room or object code: one outside 0 to 99 is
  // stored as 0, an empty slot.
  void code(int& value);
  // A 0/1 flag: any other number is taken as true and ends the reading.
  void flag(bool& value);

 private:
  std::istream& in_;
  bool numbersFailed_ = false;
};

// Fills a record from its document: the visitor of record_fields.h that
// the loaders use.
class DocumentReader {
 public:
  explicit DocumentReader(std::istream& in) : in_(in) {}
  void ignoredLine() { in_.skipLine(); }
  void line(const char*, char* field, std::size_t keep) { in_.text(field, keep); }
  template <std::size_t Variants, std::size_t Keep>
  void lines(const char*, char (&fields)[Variants][Keep]) {
    for (auto& field : fields) in_.text(field, Keep);
  }
  void flag(const char*, bool& field) { in_.flag(field); }
  void codes(const char*, int& field, CodeKind) { in_.code(field); }
  template <std::size_t N>
  void codes(const char*, int (&fields)[N], CodeKind) {
    for (int& field : fields) in_.code(field);
  }

 private:
  RecordReader in_;
};

// Reads the document at `path` into `record`, field by field as the record
// walks them; false, changing nothing, when there is no such document.
template <class Record>
bool readDocument(const std::string& path, Record& record) {
  std::ifstream in;
  if (!openDocument(path, in)) return false;
  DocumentReader reader(in);
  record.visitDocument(reader);
  return true;
}
