// Room and object codes: two kinds of number that must never be mixed up,
// so each is a type of its own and a swapped argument does not compile.
#pragma once

constexpr int kTableSize = 100;  // codes 0 to 99; 0 means none

enum class RoomCode : int {};
enum class ObjectCode : int {};

constexpr RoomCode kNoRoom{0};
constexpr ObjectCode kNoObject{0};

constexpr int indexOf(RoomCode code) { return static_cast<int>(code); }
constexpr int indexOf(ObjectCode code) { return static_cast<int>(code); }

// The rooms or the objects, found by their own kind of code, or by a plain
// index where every record is visited. Codes stay within 0 to 99.
template <class Record, class Code>
class CodeTable {
 public:
  Record& operator[](Code code) { return records_[indexOf(code)]; }
  Record& operator[](int index) { return records_[index]; }
  Record* begin() { return records_; }
  Record* end() { return records_ + kTableSize; }

 private:
  Record records_[kTableSize];
};
