#include "jpeg_picture.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>  // jpeglib.h wants FILE and size_t declared first
#include <new>

#include <jpeglib.h>

namespace {

constexpr std::size_t kBytesPerPixel = 4;
// A progressive picture takes about ten scans; a stream with far more only costs time.
constexpr int kMostScans = 100;

// libjpeg reports a fatal error through error_exit, which must not return: ours jumps back
// into the step that was running. Warnings (corrupt or missing data) go the same way, so a
// picture either decodes cleanly or not at all. The error manager is all ours: nothing is
// ever printed, and libjpeg's own handlers, which print and end the process, are not even
// linked into the program.
struct Decoder {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  jpeg_progress_mgr progress{};
  std::jmp_buf failed{};

  Decoder();
  ~Decoder() { jpeg_destroy_decompress(&info); }
  Decoder(const Decoder&) = delete;
  Decoder& operator=(const Decoder&) = delete;
};

[[noreturn]] void Fail(j_common_ptr common) { std::longjmp(static_cast<Decoder*>(common->client_data)->failed, 1); }

void FailOnWarning(j_common_ptr common, int level) {
  if (level < 0) Fail(common);  // levels from 0 up are trace messages, which we never show
}

// No message is ever shown, so there is nothing to print or to count.
void Ignore(j_common_ptr) {}

void LimitScans(j_common_ptr common) {
  if (reinterpret_cast<j_decompress_ptr>(common)->input_scan_number > kMostScans) Fail(common);
}

Decoder::Decoder() {
  info.err = &errors;
  errors.error_exit = Fail;
  errors.emit_message = FailOnWarning;
  errors.output_message = Ignore;
  errors.reset_error_mgr = Ignore;
  info.client_data = this;
  progress.progress_monitor = LimitScans;
}

// Each step returns false when libjpeg gave up inside it. The jump lands in the step's own
// frame, which holds nothing with a destructor, so no C++ clean-up is skipped.
bool ReadHeader(Decoder& decoder, std::string_view bytes) {
  if (setjmp(decoder.failed)) return false;
  jpeg_create_decompress(&decoder.info);  // clears everything but err and client_data
  decoder.info.progress = &decoder.progress;
  jpeg_mem_src(&decoder.info, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&decoder.info, TRUE) != JPEG_HEADER_OK) return false;
  decoder.info.out_color_space = JCS_EXT_BGRA;  // the fourth byte always 255
  return true;
}

bool ReadPixels(Decoder& decoder, JpegPicture& picture) {
  if (setjmp(decoder.failed)) return false;
  if (!jpeg_start_decompress(&decoder.info)) return false;
  const std::size_t stride = decoder.info.output_width * kBytesPerPixel;
  while (decoder.info.output_scanline < decoder.info.output_height) {
    JSAMPROW row = picture.pixels.data() + decoder.info.output_scanline * stride;
    jpeg_read_scanlines(&decoder.info, &row, 1);
  }
  jpeg_finish_decompress(&decoder.info);  // reads up to the end marker: a cut-off tail fails
  return true;
}

}  // namespace

std::optional<JpegPicture> DecodeJpeg(std::string_view bytes) {
  Decoder decoder;
  if (!ReadHeader(decoder, bytes)) return std::nullopt;
  const JDIMENSION width = decoder.info.image_width;
  const JDIMENSION height = decoder.info.image_height;
  if (width > kLargestPictureSide || height > kLargestPictureSide) return std::nullopt;

  JpegPicture picture;
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  try {
    picture.pixels.resize(std::size_t{width} * height * kBytesPerPixel);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  if (!ReadPixels(decoder, picture)) return std::nullopt;
  return picture;
}
