#pragma once
// Operations on texts: NUL-terminated GBK byte strings held as std::string.
//
// Lengths and positions count bytes; positions are 1-based and "not found" is -1. Searching
// and trimming step over two-byte characters: a byte of 0x80 or above begins a character
// together with the byte after it, so the second byte of a Chinese character (which may be
// 0x5C, the backslash) is never taken for a character of its own. A byte of 0x80 or above
// standing last, with no second byte, is a dangling lead byte.
//
// Every operation reads its arguments up to their first NUL, as the C strings they stand for.

#include <cstddef>
#include <string>
#include <string_view>

using Text = std::string;
using Bytes = std::string;  // a counted byte sequence, as written to a file
using TextPosition = std::ptrdiff_t;
inline constexpr TextPosition kNotFound = -1;

// Bytes before the first NUL.
std::size_t TextLength(std::string_view text);

// 1-based position of the last match of pattern that begins at a character start, or
// kNotFound. Matches may overlap. With ignoreCase only the ASCII letters are folded.
// An empty pattern gives 1 in a non-empty text and kNotFound in the empty text.
TextPosition FindLast(std::string_view text, std::string_view pattern, bool ignoreCase);

// Removes blanks (0x20, and the full-width space 0xA1 0xA1) from both ends. A dangling lead
// byte at the end is removed on its own; blanks before it stay.
Text TrimBlanks(std::string_view text);

// Removes the backslash characters that end the text, and nothing else: a 0x5C that is the
// second byte of a two-byte character stays.
Text StripTrailingBackslashes(std::string_view text);

// Every part's bytes in order, without separators.
template <typename... Parts>
Text ConcatText(const Parts&... parts);

// The text's bytes without the NUL, unchanged.
Bytes TextToBytes(std::string_view text);

// -1, 0 or +1 by the unsigned byte values; no case folding, no locale.
int CompareText(std::string_view a, std::string_view b);

namespace text_detail {
std::string_view UpToNul(std::string_view text);
}

template <typename... Parts>
Text ConcatText(const Parts&... parts) {
  const std::string_view views[] = {text_detail::UpToNul(parts)...};
  std::size_t total = 0;
  for (std::string_view view : views) total += view.size();
  Text result;
  result.reserve(total);
  for (std::string_view view : views) result += view;
  return result;
}
