// libFuzzer's entry: any bytes either decode into a whole picture or into none; a crash, a
// leak, an exit or a read outside the data ends the run as a finding.
#include <cstddef>
#include <cstdint>

#include "jpeg_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<JpegPicture> picture = DecodeJpeg({reinterpret_cast<const char*>(data), size});
  if (picture && (picture->width < 1 || picture->height < 1 ||
                  picture->pixels.size() != static_cast<std::size_t>(picture->width) *
                                                static_cast<std::size_t>(picture->height) * 4))
    __builtin_trap();
  return 0;
}
