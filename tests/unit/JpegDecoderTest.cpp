#include "picture/JpegDecoder.h"
#include "support/ResourceFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

namespace pw {
namespace {

using Rgb = std::array<int, 3>;

Rgb PixelAt(const ui::Bitmap& b, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(y) * b.width + x) * 4;
    return {b.bgra[at + 2], b.bgra[at + 1], b.bgra[at]};
}

// JPEG is lossy: a flat area comes back within a few steps of its colour.
void ExpectNear(const Rgb& actual, const Rgb& expected, const std::string& where) {
    for (int c = 0; c < 3; ++c)
        EXPECT_LE(std::abs(actual[c] - expected[c]), 4) << where << " channel " << c;
}

TEST(JpegDecoderTest, TheProgramsPicturesDecodeToTheirSizesAndColours) {
    const ui::Bitmap banner = DecodeJpeg(test::ResourceFile("TitleBanner.jpg"));
    ASSERT_EQ(banner.width, 360);
    ASSERT_EQ(banner.height, 50);
    ASSERT_EQ(banner.bgra.size(), 360u * 50u * 4u);
    // Behind the banner labels it is their own background colour; the line
    // along the bottom is orange; every pixel is opaque.
    ExpectNear(PixelAt(banner, 20, 20), {0, 51, 102}, "banner middle");
    ExpectNear(PixelAt(banner, 300, 5), {0, 51, 102}, "banner right");
    ExpectNear(PixelAt(banner, 100, 49), {242, 140, 40}, "banner bottom line");
    for (std::size_t i = 3; i < banner.bgra.size(); i += 4)
        ASSERT_EQ(banner.bgra[i], 255) << "pixel " << i / 4;

    const ui::Bitmap about = DecodeJpeg(test::ResourceFile("AboutBanner.jpg"));
    EXPECT_EQ(about.width, 360);
    EXPECT_EQ(about.height, 50);
    const ui::Bitmap donate = DecodeJpeg(test::ResourceFile("Donate.jpg"));
    EXPECT_EQ(donate.width, 62);
    EXPECT_EQ(donate.height, 31);
}

TEST(JpegDecoderTest, ADamagedPictureGivesAnEmptyBitmapNeverAHalfOne) {
    const std::string good = test::ResourceFile("AboutBanner.jpg");
    ASSERT_GT(good.size(), 1000u);
    const auto corrupt = [&](std::size_t from, std::size_t count) {
        std::string bytes = good;
        for (std::size_t i = from; i < from + count && i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(0xA5 ^ static_cast<unsigned char>(bytes[i]));
        return bytes;
    };
    // The frame header's height and width, patched to 60000 x 60000.
    std::string huge = good;
    const std::size_t sof = huge.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    huge.replace(sof + 5, 4, "\xEA\x60\xEA\x60");

    struct Case {
        const char* name;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"nothing", ""},
        {"not a picture", "[Settings]\r\nAutoCopy=1\r\n"},
        {"the start marker only", "\xFF\xD8"},
        {"cut after the header", good.substr(0, 620)},
        {"cut in the middle", good.substr(0, good.size() / 2)},
        {"cut before the end marker", good.substr(0, good.size() - 2)},
        {"scrambled scan data", corrupt(good.size() / 2, 64)},
        {"scrambled tables", corrupt(30, 200)},
        {"too large to be a picture of ours", huge},
    };
    for (const Case& c : cases) {
        const ui::Bitmap b = DecodeJpeg(c.bytes);
        EXPECT_TRUE(b.Empty()) << c.name;
        EXPECT_TRUE(b.bgra.empty()) << c.name;
    }
    // The same decoder still reads a good picture afterwards.
    EXPECT_EQ(DecodeJpeg(good).width, 360);
}

} // namespace
} // namespace pw
