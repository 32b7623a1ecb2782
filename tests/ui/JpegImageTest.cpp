// The customer logo: JPEG decoding with libjpeg, damaged files, and the
// bitmap winning over the JPEG picture.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <cstdio>
#include <fstream>
#include <vector>

#include <jpeglib.h>

#include "support/TempDir.h"
#include "ui/CustomerLogo.h"
#include "ui/JpegImage.h"
#include "ui/QtTestApp.h"

namespace {

using kv7::test::TempDir;
using kv7::ui::DecodeJpeg;
using kv7::ui::DecodeJpegFile;
using kv7::ui::LoadCustomerLogo;

// Compresses a picture with libjpeg: left half red, right half blue (or a
// grey level for one component).
std::vector<std::uint8_t> EncodeJpeg(int width, int height, int components) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = width;
  cinfo.image_height = height;
  cinfo.input_components = components;
  cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * components);
  while (cinfo.next_scanline < cinfo.image_height) {
    for (int x = 0; x < width; ++x) {
      std::uint8_t* px = row.data() + x * components;
      if (components == 1) {
        px[0] = 100;
      } else if (x < width / 2) {
        px[0] = 255, px[1] = 0, px[2] = 0;
      } else {
        px[0] = 0, px[1] = 0, px[2] = 255;
      }
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::vector<std::uint8_t> out(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

bool Near(QColor c, int r, int g, int b) {
  return std::abs(c.red() - r) < 40 && std::abs(c.green() - g) < 40 && std::abs(c.blue() - b) < 40;
}

class JpegImageTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { kv7::test::TestApp(); }
};

TEST_F(JpegImageTest, DecodesColourAndGreyPictures) {
  const auto rgb = EncodeJpeg(32, 16, 3);
  std::string error = "unset";
  QImage image = DecodeJpeg(rgb.data(), rgb.size(), &error);
  ASSERT_FALSE(image.isNull()) << error;
  EXPECT_TRUE(error.empty());
  EXPECT_EQ(image.size(), QSize(32, 16));
  EXPECT_TRUE(Near(image.pixelColor(3, 8), 255, 0, 0)) << image.pixelColor(3, 8).name().toStdString();
  EXPECT_TRUE(Near(image.pixelColor(28, 8), 0, 0, 255)) << image.pixelColor(28, 8).name().toStdString();

  const auto grey = EncodeJpeg(9, 7, 1);  // sizes that are no multiple of the block size
  image = DecodeJpeg(grey.data(), grey.size());
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.format(), QImage::Format_Grayscale8);
  EXPECT_EQ(image.size(), QSize(9, 7));
  EXPECT_TRUE(Near(image.pixelColor(8, 6), 100, 100, 100));
}

TEST_F(JpegImageTest, DamagedStreamsGiveANullPictureAndTheReason) {
  std::vector<std::uint8_t> garbage(500);
  for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<std::uint8_t>(i * 37 + 11);
  std::string error;
  EXPECT_TRUE(DecodeJpeg(garbage.data(), garbage.size(), &error).isNull());
  EXPECT_NE(error.find("Not a JPEG"), std::string::npos) << error;

  // A stream cut short decodes only to a grey tail in libjpeg: refused.
  const auto whole = EncodeJpeg(64, 64, 3);
  error.clear();
  EXPECT_TRUE(DecodeJpeg(whole.data(), whole.size() / 2, &error).isNull());
  EXPECT_FALSE(error.empty());

  // Only the header: the library stops in its header reader.
  EXPECT_TRUE(DecodeJpeg(whole.data(), 20).isNull());

  // A damaged marker segment in the middle of the header.
  auto broken = whole;
  for (std::size_t i = 2; i < 40 && i < broken.size(); ++i) broken[i] = 0xFF;
  EXPECT_TRUE(DecodeJpeg(broken.data(), broken.size()).isNull());

  EXPECT_TRUE(DecodeJpeg(nullptr, 0).isNull());
  // The decoder still works after all the failures above.
  EXPECT_FALSE(DecodeJpeg(whole.data(), whole.size()).isNull());
}

TEST_F(JpegImageTest, FilesMissingOrDamaged) {
  TempDir dir;
  std::string error;
  EXPECT_TRUE(DecodeJpegFile(QString::fromStdString((dir / "none.jpg").string()), &error).isNull());
  EXPECT_FALSE(error.empty());
  WriteFile(dir / "bad.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 0x00});
  EXPECT_TRUE(DecodeJpegFile(QString::fromStdString((dir / "bad.jpg").string())).isNull());
}

TEST_F(JpegImageTest, CustomerLogoBitmapWinsOverJpeg) {
  TempDir dir;
  const QString folder = QString::fromStdString(dir.path().string());
  EXPECT_TRUE(LoadCustomerLogo(folder).isNull());

  WriteFile(dir / "customer.jpg", EncodeJpeg(32, 16, 3));
  EXPECT_EQ(LoadCustomerLogo(folder).size(), QSize(32, 16));

  QImage bmp(5, 3, QImage::Format_RGB32);
  bmp.fill(Qt::green);
  ASSERT_TRUE(bmp.save(QString::fromStdString((dir / "customer.bmp").string()), "BMP"));
  QImage logo = LoadCustomerLogo(folder);
  EXPECT_EQ(logo.size(), QSize(5, 3));
  EXPECT_TRUE(Near(logo.pixelColor(2, 1), 0, 255, 0));

  // A bitmap that does not read leaves the JPEG picture.
  WriteFile(dir / "customer.bmp", {'B', 'M', 1, 2, 3});
  EXPECT_EQ(LoadCustomerLogo(folder).size(), QSize(32, 16));

  // A damaged JPEG alone: no logo, no crash.
  std::filesystem::remove(dir / "customer.bmp");
  WriteFile(dir / "customer.jpg", {0xFF, 0xD8, 0x00, 0x01, 0x02});
  EXPECT_TRUE(LoadCustomerLogo(folder).isNull());
}

}  // namespace
