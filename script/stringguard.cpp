#include "script/stringguard.h"

#include <lua.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <string>

#include "script/statelimits.h"

namespace Kest {

namespace {

// The most work one call may do, in instructions' worth: a few hundredths
// of a second.
constexpr double kMostWork = 2e7;
// The matcher recurses once per quantified or optional item and capture.
constexpr int kMostNesting = 200;
// What makes a pattern more than plain text, as the library sees it.
const char* const kSpecials = "^$*+?.([%-";

// A pattern as the matcher walks it: how many of its items try every
// length of the subject (*, +, -, a balance, a back-reference), how many
// are tried both ways (?), and how deep it recurses.
struct PatternShape {
  bool anchored = false;
  int branching = 0;
  int optional = 0;
  int nesting = 0;
};

// Just past the set "[...]" that starts at i; the first ']' is a member.
std::size_t SetEnd(const char* p, std::size_t i, std::size_t size) {
  ++i;
  if (i < size && p[i] == '^') ++i;
  do {
    if (i >= size) return size;
    if (p[i] == '%') ++i;
    ++i;
  } while (i < size && p[i] != ']');
  return std::min(i + 1, size);
}

// Just past the single item at i: a set, a class, a character, or one of
// the items that match no single character (a balance, a frontier, a
// back-reference).
std::size_t ItemEnd(const char* p, std::size_t i, std::size_t size, PatternShape& shape) {
  if (p[i] == '[') return SetEnd(p, i, size);
  if (p[i] != '%' || i + 1 >= size) return i + 1;
  const char kind = p[i + 1];
  if (kind == 'b') {
    ++shape.branching;
    return std::min(i + 4, size);
  }
  if (kind == 'f') return i + 2 < size && p[i + 2] == '[' ? SetEnd(p, i + 2, size) : i + 2;
  if (std::isdigit(static_cast<unsigned char>(kind))) ++shape.branching;
  return i + 2;
}

// The library ends a pattern at its first zero byte.
PatternShape ShapeOf(const char* p, bool mayAnchor) {
  PatternShape shape;
  const std::size_t size = std::strlen(p);
  std::size_t i = 0;
  if (mayAnchor && size > 0 && p[0] == '^') {
    shape.anchored = true;
    i = 1;
  }
  while (i < size) {
    if (p[i] == '(' || p[i] == ')') {
      ++shape.nesting;
      ++i;
      continue;
    }
    i = ItemEnd(p, i, size, shape);
    if (i < size && std::strchr("*+-?", p[i])) {
      ++(p[i] == '?' ? shape.optional : shape.branching);
      ++shape.nesting;
      ++i;
    }
  }
  return shape;
}

double Length(lua_State* L, int index) {
  std::size_t size = 0;
  lua_tolstring(L, index, &size);
  return double(size);
}

bool ArePatternArguments(lua_State* L) { return lua_isstring(L, 1) && lua_isstring(L, 2); }

// Every start in the subject (one when anchored) tries the pattern's items,
// each branching item every length of the subject.
double MatchWork(lua_State* L, bool mayAnchor) {
  if (!ArePatternArguments(L)) return 0.0;
  const PatternShape shape = ShapeOf(lua_tostring(L, 2), mayAnchor);
  if (shape.nesting > kMostNesting) return HUGE_VAL;
  const double subject = Length(L, 1) + 1.0;
  const double starts = shape.anchored ? 1.0 : subject;
  return starts * (Length(L, 2) + 1.0) * std::pow(subject, shape.branching) *
         std::pow(2.0, shape.optional);
}

// A plain search compares at the speed of copying.
double FindWork(lua_State* L) {
  if (!ArePatternArguments(L)) return 0.0;
  if (lua_toboolean(L, 4) || !std::strpbrk(lua_tostring(L, 2), kSpecials)) {
    return (Length(L, 1) + 1.0) * Length(L, 2) / double(StateLimits::BytesPerInstruction(L));
  }
  return MatchWork(L, true);
}

double AnchoredMatchWork(lua_State* L) { return MatchWork(L, true); }
double UnanchoredMatchWork(lua_State* L) { return MatchWork(L, false); }

struct Reckoning {
  const char* name;
  double (*work)(lua_State* L);
};

// gmatch's iterator goes over the subject once in all: its whole work is
// spent when it is made.
const Reckoning kReckonings[] = {
    {"find", &FindWork},
    {"match", &AnchoredMatchWork},
    {"gsub", &AnchoredMatchWork},
    {"gmatch", &UnanchoredMatchWork},
    {"gfind", &UnanchoredMatchWork},
};

double WorkOf(lua_State* L, const char* name) {
  for (const Reckoning& reckoning : kReckonings) {
    if (std::strcmp(reckoning.name, name) == 0) return reckoning.work(L);
  }
  return 0.0;
}

// Every function reads or copies its texts at least once, and writes what
// it returns (a substitution's result can be far longer than its subject).
double TextWork(lua_State* L) {
  double bytes = 0.0;
  for (int i = 1; i <= lua_gettop(L); ++i) {
    if (lua_type(L, i) == LUA_TSTRING) bytes += Length(L, i);
  }
  return bytes / double(StateLimits::BytesPerInstruction(L));
}

int Refuse(lua_State* L, const char* name) {
  return luaL_error(L, "string.%s: refused, it could take too long with these arguments", name);
}

// Upvalues: the library's function and its name.
int Bounded(lua_State* L) {
  const char* name = lua_tostring(L, lua_upvalueindex(2));
  const double work = 1.0 + TextWork(L) + WorkOf(L, name);
  if (!(work <= kMostWork)) return Refuse(L, name);
  StateLimits::Spend(L, work);
  lua_pushvalue(L, lua_upvalueindex(1));
  lua_insert(L, 1);
  lua_call(L, lua_gettop(L) - 1, LUA_MULTRET);
  StateLimits::Charge(L, static_cast<long>(TextWork(L)));
  return lua_gettop(L);
}

// string.rep copies by doubling, once the result is known to fit the
// state's memory; a count below one (or NaN) gives the empty text.
int Repeat(lua_State* L) {
  std::size_t size = 0;
  const char* text = luaL_checklstring(L, 1, &size);
  const double count = std::floor(luaL_checknumber(L, 2));
  if (size == 0 || !(count >= 1.0)) {
    lua_pushliteral(L, "");
    return 1;
  }
  const double total = double(size) * count;
  if (total > double(StateLimits::MemoryCap(L))) {
    return luaL_error(L, "string.rep: not enough memory for a text of %f bytes", total);
  }
  StateLimits::Spend(L, 1.0 + total / double(StateLimits::BytesPerInstruction(L)));
  std::string result(text, size);
  result.reserve(static_cast<std::size_t>(total));
  while (2 * result.size() <= total) result.append(result);
  result.append(result, 0, static_cast<std::size_t>(total) - result.size());
  lua_pushlstring(L, result.data(), result.size());
  return 1;
}

}  // namespace

void GuardStringLibrary(lua_State* L) {
  lua_getglobal(L, "string");
  if (!lua_istable(L, -1)) {
    lua_pop(L, 1);
    return;
  }
  lua_pushnil(L);
  while (lua_next(L, -2) != 0) {
    if (lua_type(L, -2) == LUA_TSTRING && lua_isfunction(L, -1)) {
      lua_pushvalue(L, -2);
      lua_pushcclosure(L, &Bounded, 2);
      lua_pushvalue(L, -2);
      lua_insert(L, -2);
      lua_rawset(L, -4);
    } else {
      lua_pop(L, 1);
    }
  }
  lua_pushcfunction(L, &Repeat);
  lua_setfield(L, -2, "rep");
  lua_pop(L, 1);
}

}  // namespace Kest
