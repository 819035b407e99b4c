// What a screen may be handed: the typed arguments of every screen, as one
// value the screen driver can carry without knowing the screen.
#pragma once

#include <tuple>
#include <type_traits>
#include <variant>

#include "game/codes.h"

// The screens around the game that `menuler` shows.
enum class TitleScreen { Start, Main, Help, Exit };

// Where the command prompt's search for the typed word goes on when it
// resumes: the room's contents, its left items, or the word is wrong.
enum class PromptStep { Contents, LeftItems, WrongCommand };

// The argument lists of the screens, each in its own types. A screen whose
// list is missing here does not compile with goTo: add its list.
using ScreenArguments = std::variant<std::tuple<>, std::tuple<RoomCode>, std::tuple<RoomCode, bool>,
                                     std::tuple<RoomCode, PromptStep>, std::tuple<TitleScreen, bool>,
                                     std::tuple<ObjectCode, RoomCode>, std::tuple<RoomCode, ObjectCode, bool, bool>>;

// True when `List` is one of the argument lists above.
template <class List, class Variant = ScreenArguments>
struct IsScreenArgumentList;
template <class List, class... Lists>
struct IsScreenArgumentList<List, std::variant<Lists...>> : std::disjunction<std::is_same<List, Lists>...> {};
