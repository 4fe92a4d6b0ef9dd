// A text the game keeps for the level: event texts, names, variable values,
// objectives, file names. Level scripts hand over texts of any length, and
// what the game keeps of them lies outside the script's memory cap, so
// every held text counts toward one total while it lives; the script layer
// refuses texts that would take the total past kMostHeldTextBytes. A level
// load deletes what the old level held, so the total is the level's own.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>

namespace Kest {

constexpr std::size_t kMostHeldTextBytes = 64u << 20;

class HeldText {
 public:
  HeldText() = default;
  // Implicit: holders take the texts they are handed as they come.
  HeldText(std::string text);
  HeldText(const char* text) : HeldText(std::string(text)) {}
  HeldText(const HeldText& other) : HeldText(other.text_) {}
  HeldText(HeldText&& other) noexcept;
  HeldText& operator=(HeldText other) noexcept {
    text_.swap(other.text_);
    return *this;
  }
  ~HeldText();

  // The bytes of all held texts alive.
  static std::size_t GetTotalBytes();

  const std::string& str() const { return text_; }
  operator const std::string&() const { return text_; }
  bool empty() const { return text_.empty(); }

  friend bool operator==(const HeldText& a, const HeldText& b) { return a.text_ == b.text_; }
  friend bool operator!=(const HeldText& a, const HeldText& b) { return a.text_ != b.text_; }
  friend bool operator<(const HeldText& a, const HeldText& b) { return a.text_ < b.text_; }
  friend bool operator<(const HeldText& a, const std::string& b) { return a.text_ < b; }
  friend bool operator<(const std::string& a, const HeldText& b) { return a < b.text_; }

 private:
  std::string text_;
};

// Held texts as keys, looked up by plain texts.
template <class Value>
using HeldTextMap = std::map<HeldText, Value, std::less<>>;

}  // namespace Kest
