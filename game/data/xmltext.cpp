#include "game/data/xmltext.h"

namespace Kest {

namespace {

// The bytes of a UTF-8 character that starts with lead; 0 when none does.
std::size_t Utf8Bytes(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead < 0xC2) return 0;
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  return lead < 0xF5 ? 4 : 0;
}

// The bytes of the UTF-8 character at text[i]; 0 when none is there whole.
std::size_t Utf8Length(const std::string& text, std::size_t i) {
  const std::size_t length = Utf8Bytes(static_cast<unsigned char>(text[i]));
  if (length == 0 || i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

}  // namespace

bool IsUtf8(const std::string& text) {
  for (std::size_t i = 0, n = 0; i < text.size(); i += n) {
    n = Utf8Length(text, i);
    if (n == 0) return false;
  }
  return true;
}

std::string ToXmlText(const std::string& text) {
  std::string utf8;
  for (const char c : text) {
    const unsigned char latin1 = static_cast<unsigned char>(c);
    if (latin1 < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | latin1 >> 6);
      utf8 += static_cast<char>(0x80 | (latin1 & 0x3F));
    }
  }
  return utf8;
}

std::string FromXmlText(const std::string& text) {
  std::string latin1;
  for (std::size_t i = 0, n = 0; i < text.size(); i += n) {
    n = Utf8Length(text, i);
    if (n < 2) {  // a byte that starts no character is taken as a letter
      latin1 += text[i];
      n = 1;
      continue;
    }
    unsigned long letter = static_cast<unsigned char>(text[i]) & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) letter = letter << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    latin1 += letter <= 0xFF ? static_cast<char>(letter) : '?';
  }
  return latin1;
}

std::string AsUtf8(const std::string& text) { return IsUtf8(text) ? text : ToXmlText(text); }

}  // namespace Kest
