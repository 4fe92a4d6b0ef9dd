// The level's string library against stock Lua 5.1's: thousands of random calls of every function, with random
// subjects, patterns (malformed ones too), replacements and formats, give the same results and the same errors in
// a state made as the game makes a level's and in a stock state with every library open.
#include <gtest/gtest.h>
#include <lua.hpp>

#include <random>
#include <string>

#include "script/statelimits.h"
#include "script/stringguard.h"

namespace {

// Every value the chunk returned, with its type, or its error.
std::string Outcome(lua_State* L, const std::string& chunk) {
  lua_settop(L, 0);
  if (luaL_loadstring(L, chunk.c_str()) != 0 || lua_pcall(L, 0, LUA_MULTRET, 0) != 0) {
    return std::string("error: ") + lua_tostring(L, -1);
  }
  std::string out;
  for (int i = 1; i <= lua_gettop(L); ++i) {
    out += std::string(luaL_typename(L, i)) + (lua_toboolean(L, i) ? " " : " false ");
    std::size_t size = 0;
    const char* text = lua_tolstring(L, i, &size);  // numbers as Lua writes them
    out += (text ? std::string(text, size) : "") + ";";
  }
  return out;
}

class RandomCalls {
 public:
  std::string Next() {
    const std::string s = Text("aab (x)]1a.b\0 ", 12);
    const std::string n = ", " + std::to_string(Pick(31) - 15);
    switch (Pick(13)) {
      case 0: return "return string.find(" + s + ", " + Pattern() + n + (Pick(2) ? ", true)" : ")");
      case 1: return "return string.match(" + s + ", " + Pattern() + (Pick(2) ? n : "") + ")";
      case 2: return "local out = '' for a, b in string.gmatch(" + s + ", " + Pattern() +
                     ") do out = out .. '<' .. a .. '|' .. (b or '~') end return out";
      case 3: return "return string.gsub(" + s + ", " + Pattern() + ", " + Replacement() + (Pick(2) ? n : "") + ")";
      case 4: return "return string.byte(" + s + n + (Pick(2) ? n : "") + ")";
      case 5: return "return string.char(" + std::to_string(Pick(260) - 2) + ", " + std::to_string(Pick(256)) + ")";
      case 6: return Format();
      case 7: return "return string.len(" + s + "), string.reverse(" + s + ")";
      case 8: return "return string.lower(" + s + "), string.upper(" + s + ")";
      case 9: return "return string.rep(" + s + ", " + (Pick(8) ? std::to_string(Pick(6) - 1) : "-2147483648") + ")";
      case 10: return "return string.sub(" + s + n + (Pick(2) ? n : "") + ")";
      default: return "return (" + s + "):" + (Pick(2) ? "find(" : "rep(") + (Pick(2) ? "nil)" : "{})");
    }
  }

 private:
  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
  template <int N>
  std::string Text(const char (&letters)[N], int longest) {
    std::string text;
    for (int i = Pick(longest + 1); i > 0; --i) text += letters[Pick(N - 1)];
    return Quoted(text);
  }
  template <int N>
  const char* Any(const char* const (&choices)[N]) { return choices[Pick(N)]; }
  // Items with quantifiers, captures, balances, frontiers, back-references and anchors; now and then a bad piece.
  std::string Pattern() {
    static const char* const atoms[] = {"a", "b", ".", "%a", "%d", "%s", "%w", "%W", "[ab]", "[^a]", "[a-c]",
                                        "[%a%d]", "%.", "%%", "x", " ", "[]a]", "[^]]", "%z"};
    static const char* const quantifiers[] = {"", "", "*", "+", "-", "?"};
    static const char* const others[] = {"%b()", "%bab", "%f[%w]", "%f[%W]", "()", "%1", "%2", "(", ")", "(a*)"};
    static const char* const bad[] = {"%", "[", "[a-", "%b", "%b(", "%f", "%fa", "%9", "[%", "(()", "%0"};
    std::string pattern = Pick(4) ? "" : "^";
    for (int i = Pick(9); i > 0; --i) {
      const int kind = Pick(12);
      pattern += kind == 0 ? Any(bad) : kind < 4 ? Any(others) : std::string(Any(atoms)) + Any(quantifiers);
    }
    return Quoted(Pick(4) ? pattern : pattern + "$");
  }
  std::string Replacement() {
    static const char* const kinds[] = {
        "{a = 'A', ab = 7, b = false, [' '] = {}}",
        "function(a, b) if b then return b end if a == 'a' then return false end return a .. '!' end", "5", "true"};
    return Pick(3) ? Text("%0%1%2x%%", 6) : Any(kinds);
  }
  std::string Format() {
    static const char* const items[] = {"%d", "%5.2f", "%q", "%s", "%x", "%c", "%-5s", "%%", "%y", "%10.3s",
                                        "%i", "%g", "%e", "%o", "%X", "%u", "%0100d", "%+ #-0d", "%", " a"};
    static const char* const values[] = {"-3.5", "0", "65", "1e10", "'x\\0\"\\n\\r'", "'12'", "nil", "{}"};
    std::string format, arguments;
    for (int i = Pick(4); i > 0; --i) {
      format += Any(items);
      if (Pick(4)) arguments += std::string(", ") + Any(values);
    }
    return "return string.format(" + Quoted(format) + arguments + ")";
  }
  static std::string Quoted(const std::string& text) {
    std::string literal = "\"";
    for (unsigned char c : text) literal += "\\" + std::to_string(c);
    return literal + "\"";
  }
  std::mt19937 random_{20261207};
};

TEST(Strings, EveryCallGivesWhatStockLuaGives) {
  lua_State* stock = luaL_newstate();
  luaL_openlibs(stock);
  Kest::StateLimits limits{Kest::ScriptLimits()};
  lua_State* level = limits.NewState();
  lua_cpcall(level, luaopen_string, nullptr);
  Kest::GuardStringLibrary(level);
  limits.StartBudget(level, 2000000000);
  RandomCalls calls;
  for (int i = 0; i < 20000; ++i) {
    const std::string call = calls.Next();
    ASSERT_EQ(Outcome(level, call), Outcome(stock, call)) << call;
  }
  lua_close(level);
  lua_close(stock);
}

}  // namespace
