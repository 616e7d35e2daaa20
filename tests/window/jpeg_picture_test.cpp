// The picture buttons' JPEG decoder, on the host with AddressSanitizer: the banners decode,
// colours land in the bitmap's byte order, and broken data of any kind gives no picture,
// quietly.
#include "jpeg_picture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

std::string AssetBytes(const std::string& name) {
  std::ifstream file(std::string(QUENDREL_ASSETS) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The banners' file names are written as UTF-8 bytes: this program's literals become GBK.
const char* const kBanners[] = {
    "\xe5\x9b\xbe\xe5\xbd\xa2\xe6\x8c\x89\xe9\x92\xae_\xe5\xae\x98\xe7\xbd\x91.jpg",  // 图形按钮_官网.jpg
    "\xe5\x9b\xbe\xe5\xbd\xa2\xe6\x8c\x89\xe9\x92\xae_\xe5\xae\x98\xe7\xbd\x91_\xe6\x82\xac\xe5\x81\x9c.jpg",
    "\xe5\x9b\xbe\xe5\xbd\xa2\xe6\x8c\x89\xe9\x92\xae_\xe5\xbe\xae\xe5\x8d\x9a.jpg",  // 图形按钮_微博.jpg
    "\xe5\x9b\xbe\xe5\xbd\xa2\xe6\x8c\x89\xe9\x92\xae_\xe5\xbe\xae\xe5\x8d\x9a_\xe6\x82\xac\xe5\x81\x9c.jpg",
};

struct Rgb {
  int red, green, blue;
};

struct Encoding {
  bool grey = false;
  std::vector<jpeg_scan_info> scans;  // empty: one baseline scan
};

// A picture made with libjpeg's own encoder, at the best quality.
std::string Encode(int width, int height, const std::function<Rgb(int x, int y)>& colour, const Encoding& how = {}) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = how.grey ? 1 : 3;
  info.in_color_space = how.grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  if (!how.scans.empty()) {
    info.scan_info = how.scans.data();
    info.num_scans = static_cast<int>(how.scans.size());
  }
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width * info.input_components));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb c = colour(x, y);
      const int samples[] = {c.red, c.green, c.blue};
      for (int k = 0; k < info.input_components; ++k)
        row[static_cast<std::size_t>(x * info.input_components + k)] = static_cast<JSAMPLE>(samples[k]);
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  return bytes;
}

Rgb PixelAt(const JpegPicture& picture, int x, int y) {
  const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width) + static_cast<std::size_t>(x)) * 4;
  return {picture.pixels[at + 2], picture.pixels[at + 1], picture.pixels[at]};
}

void ExpectNear(Rgb actual, Rgb expected) {
  EXPECT_NEAR(actual.red, expected.red, 2);
  EXPECT_NEAR(actual.green, expected.green, 2);
  EXPECT_NEAR(actual.blue, expected.blue, 2);
}

// A grey picture whose progressive script has one DC scan and then a scan per AC coefficient,
// each done in two halves when refined: 64 scans, or 128.
std::vector<jpeg_scan_info> OneScanPerCoefficient(bool refined) {
  const int point = refined ? 1 : 0;
  std::vector<jpeg_scan_info> scans{{1, {0}, 0, 0, 0, point}};
  if (refined) scans.push_back({1, {0}, 0, 0, 1, 0});
  for (int k = 1; k < 64; ++k) scans.push_back({1, {0}, k, k, 0, point});
  if (refined)
    for (int k = 1; k < 64; ++k) scans.push_back({1, {0}, k, k, 1, 0});
  return scans;
}

TEST(DecodeJpeg, DecodesEachBannerAt155By72) {
  for (const char* name : kBanners) {
    const std::string bytes = AssetBytes(name);
    ASSERT_FALSE(bytes.empty()) << name;
    const std::optional<JpegPicture> picture = DecodeJpeg(bytes);
    ASSERT_TRUE(picture) << name;
    EXPECT_EQ(picture->width, 155);
    EXPECT_EQ(picture->height, 72);
    EXPECT_EQ(picture->pixels.size(), 155u * 72u * 4u);
  }
}

TEST(DecodeJpeg, GivesBlueGreenRedAnd255TopDown) {
  const Rgb red{255, 0, 0}, blue{0, 0, 255}, green{0, 255, 0};
  // Red left, blue right in the top half; green below: 16 x 16 blocks keep the colours exact.
  const std::string bytes = Encode(32, 32, [&](int x, int y) { return y >= 16 ? green : x < 16 ? red : blue; });
  const std::optional<JpegPicture> picture = DecodeJpeg(bytes);
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->width, 32);
  ASSERT_EQ(picture->height, 32);
  ExpectNear(PixelAt(*picture, 4, 4), red);
  ExpectNear(PixelAt(*picture, 27, 4), blue);
  ExpectNear(PixelAt(*picture, 4, 27), green);
  for (std::size_t alpha = 3; alpha < picture->pixels.size(); alpha += 4) ASSERT_EQ(picture->pixels[alpha], 0xFF);
}

TEST(DecodeJpeg, DecodesGreyAndProgressivePictures) {
  const auto shade = [](int x, int) { return Rgb{x * 8, x * 8, x * 8}; };
  Encoding progressive;
  progressive.grey = true;
  progressive.scans = OneScanPerCoefficient(false);
  for (const Encoding& how : {Encoding{true, {}}, progressive}) {
    const std::optional<JpegPicture> picture = DecodeJpeg(Encode(32, 8, shade, how));
    ASSERT_TRUE(picture) << how.scans.size() << " scans";
    for (const int x : {0, 8, 16, 24, 31}) ExpectNear(PixelAt(*picture, x, 4), shade(x, 4));
  }
}

TEST(DecodeJpeg, RefusesAPictureOfTooManyScans) {
  Encoding how;
  how.grey = true;
  how.scans = OneScanPerCoefficient(true);
  const std::string bytes = Encode(16, 16, [](int, int) { return Rgb{90, 90, 90}; }, how);
  EXPECT_FALSE(DecodeJpeg(bytes));
}

TEST(DecodeJpeg, RefusesPicturesLargerThanItsLimit) {
  const auto grey = [](int, int) { return Rgb{128, 128, 128}; };
  EXPECT_TRUE(DecodeJpeg(Encode(kLargestPictureSide, 1, grey, {true, {}})));
  EXPECT_FALSE(DecodeJpeg(Encode(kLargestPictureSide + 1, 1, grey, {true, {}})));
  EXPECT_FALSE(DecodeJpeg(Encode(1, kLargestPictureSide + 1, grey, {true, {}})));
}

TEST(DecodeJpeg, EveryCutOffBannerGivesNoPicture) {
  for (const char* name : kBanners) {
    const std::string bytes = AssetBytes(name);
    for (std::size_t size = 0; size < bytes.size(); ++size)
      ASSERT_FALSE(DecodeJpeg(std::string_view(bytes).substr(0, size))) << name << " cut to " << size << " bytes";
  }
}

TEST(DecodeJpeg, BrokenDataGivesNoPictureAndPrintsNothing) {
  const std::string banner = AssetBytes(kBanners[0]);
  const std::size_t middle = banner.size() / 2;
  std::string endInsideTheScan = banner;
  endInsideTheScan.replace(middle, 2, "\xFF\xD9");
  std::string badHuffmanCodes = banner;
  for (std::size_t at = middle; at < middle + 64; ++at) badHuffmanCodes[at] = '\xFE';
  std::string notAJpeg = banner;
  notAJpeg[1] = 'X';
  const std::string tablesOnly = banner.substr(0, banner.find("\xFF\xC0")) + "\xFF\xD9";
  std::string oddPrecision = banner;
  oddPrecision[banner.find("\xFF\xC0") + 4] = '\x07';  // the frame's bits per sample
  const std::string zeros(4096, '\0');
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"only the start marker", "\xFF\xD8"},
      {"end marker inside the scan", endInsideTheScan},
      {"bad Huffman codes", badHuffmanCodes},
      {"not a JPEG", notAJpeg},
      {"tables only", tablesOnly},
      {"7 bits per sample", oddPrecision},
      {"zeros", zeros},
      {"text", "GIF89a, or rather not"},
  };
  for (const auto& c : cases) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(DecodeJpeg(c.bytes)) << c.name;
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << c.name;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << c.name;
  }
}

}  // namespace
