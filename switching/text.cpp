#include "text.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace text_detail {
std::string_view UpToNul(std::string_view text) {
  return text.substr(0, std::min(text.find('\0'), text.size()));
}
}  // namespace text_detail

using text_detail::UpToNul;

namespace {

constexpr unsigned char kFullWidthSpaceByte = 0xA1;

bool IsLeadByte(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

// Width of the character that starts at index p: 2 for a lead byte with a byte after it.
std::size_t CharWidth(std::string_view text, std::size_t p) {
  return IsLeadByte(text[p]) && p + 1 < text.size() ? 2 : 1;
}

bool IsBlank(std::string_view character) {
  return character == " " || character == "\xA1\xA1";
}

bool IsBackslash(std::string_view character) { return character == "\\"; }

struct Tail {
  std::size_t runStart;  // where the trailing run of wanted characters begins (size if none)
  bool danglingLeadByte;  // the text ends in a lead byte without its second byte
};

// One walk by character stepping over the whole text.
template <typename Wanted>
Tail ScanTail(std::string_view text, Wanted wanted) {
  Tail tail{text.size(), false};
  for (std::size_t p = 0; p < text.size();) {
    const std::size_t width = CharWidth(text, p);
    if (!wanted(text.substr(p, width))) {
      tail.runStart = text.size();
    } else if (tail.runStart == text.size()) {
      tail.runStart = p;
    }
    tail.danglingLeadByte = width == 1 && IsLeadByte(text[p]);
    p += width;
  }
  return tail;
}

unsigned char Fold(char byte, bool ignoreCase) {
  const auto value = static_cast<unsigned char>(byte);
  return ignoreCase && value >= 'A' && value <= 'Z' ? static_cast<unsigned char>(value + 32) : value;
}

}  // namespace

std::size_t TextLength(std::string_view text) { return UpToNul(text).size(); }

TextPosition FindLast(std::string_view text, std::string_view pattern, bool ignoreCase) {
  text = UpToNul(text);
  pattern = UpToNul(pattern);
  if (pattern.empty()) return text.empty() ? kNotFound : 1;
  if (pattern.size() > text.size()) return kNotFound;

  // Knuth-Morris-Pratt finds every match, overlapping ones too, in time linear in both
  // lengths; a match counts only where a character begins.
  const std::size_t m = pattern.size();
  std::vector<std::size_t> border(m, 0);
  for (std::size_t i = 1, k = 0; i < m; ++i) {
    while (k > 0 && Fold(pattern[i], ignoreCase) != Fold(pattern[k], ignoreCase)) k = border[k - 1];
    if (Fold(pattern[i], ignoreCase) == Fold(pattern[k], ignoreCase)) ++k;
    border[i] = k;
  }

  std::vector<bool> charStart(text.size(), false);
  for (std::size_t p = 0; p < text.size(); p += CharWidth(text, p)) charStart[p] = true;

  TextPosition found = kNotFound;
  for (std::size_t i = 0, k = 0; i < text.size(); ++i) {
    while (k > 0 && Fold(text[i], ignoreCase) != Fold(pattern[k], ignoreCase)) k = border[k - 1];
    if (Fold(text[i], ignoreCase) == Fold(pattern[k], ignoreCase)) ++k;
    if (k == m) {
      const std::size_t start = i + 1 - m;
      if (charStart[start]) found = static_cast<TextPosition>(start) + 1;
      k = border[k - 1];
    }
  }
  return found;
}

Text TrimBlanks(std::string_view text) {
  text = UpToNul(text);
  std::size_t begin = 0;
  while (begin < text.size()) {
    if (text[begin] == ' ') {
      begin += 1;
    } else if (static_cast<unsigned char>(text[begin]) == kFullWidthSpaceByte && begin + 1 < text.size() &&
               static_cast<unsigned char>(text[begin + 1]) == kFullWidthSpaceByte) {
      begin += 2;
    } else {
      break;
    }
  }
  const std::string_view rest = text.substr(begin);
  const Tail tail = ScanTail(rest, IsBlank);
  return Text(tail.danglingLeadByte ? rest.substr(0, rest.size() - 1) : rest.substr(0, tail.runStart));
}

Text StripTrailingBackslashes(std::string_view text) {
  text = UpToNul(text);
  return Text(text.substr(0, ScanTail(text, IsBackslash).runStart));
}

Bytes TextToBytes(std::string_view text) { return Bytes(UpToNul(text)); }

int CompareText(std::string_view a, std::string_view b) {
  a = UpToNul(a);
  b = UpToNul(b);
  const std::size_t common = std::min(a.size(), b.size());
  // memcmp compares the bytes as unsigned values.
  const int byBytes = common == 0 ? 0 : std::memcmp(a.data(), b.data(), common);
  if (byBytes != 0) return byBytes < 0 ? -1 : 1;
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}
