#pragma once
// Decodes JPEG bytes into the pixels of a 32-bit Windows bitmap. No Windows header here, so
// that the host build can test and fuzz the decoder.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

struct JpegPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // rows top-down; each pixel blue, green, red, 255
};

// Pictures larger than this on either side are refused before memory is taken for them.
inline constexpr int kLargestPictureSide = 2048;

// The picture, or nothing when the bytes are not a sound, complete JPEG: corrupt or
// truncated data, even data that libjpeg would decode with a warning, counts as no picture.
// Nothing is ever printed and the process never ends here.
std::optional<JpegPicture> DecodeJpeg(std::string_view bytes);
