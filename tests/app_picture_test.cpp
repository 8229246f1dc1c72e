// The PNG decoder and the built-in pictures it turns into images.
#include "app/pictures.h"
#include "app/png_image.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

namespace {

// PNG bytes written by Qt's own encoder, so the decoder is checked against
// an independent writer.
QByteArray EncodeWithQt(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "PNG"));
    return bytes;
}

const unsigned char* Data(const QByteArray& bytes) {
    return reinterpret_cast<const unsigned char*>(bytes.constData());
}

QImage Sample() {
    QImage image(5, 3, QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) image.setPixelColor(x, y, QColor(40 * x, 90 * y, 200, 255 - 60 * x));
    return image;
}

TEST(DecodePng, GivesThePixelsAndTransparencyOfAGoodPng) {
    const QImage original = Sample();
    const QByteArray png = EncodeWithQt(original);
    Text error;
    const QImage decoded = DecodePng(Data(png), png.size(), &error);
    ASSERT_FALSE(decoded.isNull()) << error;
    ASSERT_EQ(decoded.size(), original.size());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(decoded.pixelColor(x, y), original.pixelColor(x, y)) << x << "," << y;
}

TEST(DecodePng, FailsClearlyOnEveryTruncation) {
    const QByteArray png = EncodeWithQt(Sample());
    // Cut anywhere before the final end chunk (12 bytes), the image is
    // incomplete: every cut must give a null image and a reason.
    for (qsizetype length = 0; length < png.size() - 12; ++length) {
        SCOPED_TRACE(length);
        Text error;
        EXPECT_TRUE(DecodePng(Data(png), static_cast<std::size_t>(length), &error).isNull());
        EXPECT_FALSE(error.empty());
    }
}

TEST(DecodePng, FailsOnDataThatIsNoPng) {
    const QByteArray cases[] = {QByteArray("GIF89a not a png at all"), QByteArray(64, '\0')};
    for (const QByteArray& bytes : cases) {
        Text error;
        EXPECT_TRUE(DecodePng(Data(bytes), bytes.size(), &error).isNull());
        EXPECT_FALSE(error.empty());
    }
    EXPECT_TRUE(DecodePng(nullptr, 0).isNull());
}

TEST(DecodePng, FailsOnADamagedImageChunk) {
    QByteArray png = EncodeWithQt(Sample());
    const qsizetype idat = png.indexOf("IDAT");
    ASSERT_GT(idat, 0);
    png[idat + 6] = static_cast<char>(png[idat + 6] ^ 0x5A);  // the checksum no longer matches
    Text error;
    EXPECT_TRUE(DecodePng(Data(png), png.size(), &error).isNull());
    EXPECT_FALSE(error.empty());
}

struct PictureSize {
    const char* name;
    int width, height;
};

TEST(BuiltInPictures, EveryPictureDecodesAtItsSize) {
    const PictureSize sizes[] = {
        {"background", 851, 608}, {"popular_link", 49, 11},  {"popular_link_hover", 49, 11},
        {"exit", 87, 56},         {"exit_hover", 87, 56},    {"home", 90, 53},
        {"home_hover", 90, 53},   {"help", 90, 53},          {"help_hover", 90, 53},
        {"start", 72, 26},        {"start_hover", 71, 26},   {"ticked_box", 17, 17},
        {"empty_box", 17, 17},    {"input_frame", 460, 39},  {"log_frame", 467, 262},
        {"icon", 64, 64},
    };
    for (const PictureSize& s : sizes) {
        SCOPED_TRACE(s.name);
        Text error;
        const QImage image = BuiltInPicture(s.name, &error);
        ASSERT_FALSE(image.isNull()) << error;
        EXPECT_EQ(image.size(), QSize(s.width, s.height));
    }
    Text error;
    EXPECT_TRUE(BuiltInPicture("no_such_picture", &error).isNull());
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(LoadWindowPictures());
}

struct PixelCase {
    const char* picture;
    int x, y;
    QRgb colour;
};

// A few pixels the window's look depends on.
TEST(BuiltInPictures, KeyPixelsHaveTheirColours) {
    const PixelCase cases[] = {
        {"background", 0, 0, 0xFFD916},    {"background", 850, 300, 0xFFD916}, {"background", 400, 607, 0xFFD916},
        {"background", 300, 180, 0xF2F5F6}, {"background", 420, 300, 0xF2F5F6}, {"background", 100, 480, 0xFFFFFF},
        {"background", 760, 8, 0xFFF45C},   {"ticked_box", 2, 2, 0x767676},     {"ticked_box", 0, 0, 0xFFFFFF},
        {"empty_box", 14, 14, 0x767676},    {"empty_box", 8, 8, 0xFFFFFF},      {"exit_hover", 20, 1, 0xFFD916},
        {"exit", 20, 1, 0xFFFFFF},          {"home_hover", 5, 2, 0xFFD916},     {"start", 3, 13, 0xFFD916},
        {"start_hover", 3, 13, 0xFFFFFF},   {"input_frame", 100, 7, 0xFFD916},  {"input_frame", 100, 20, 0xF2F5F6},
        {"input_frame", 100, 3, 0xFFFFFF},  {"log_frame", 200, 8, 0xFFD916},    {"log_frame", 200, 100, 0xF2F5F6},
    };
    for (const PixelCase& c : cases) {
        SCOPED_TRACE(std::string(c.picture) + " " + std::to_string(c.x) + "," + std::to_string(c.y));
        const QImage image = BuiltInPicture(c.picture);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.pixel(c.x, c.y) & 0xFFFFFF, c.colour);
        EXPECT_EQ(qAlpha(image.pixel(c.x, c.y)), 255);
    }
}

}  // namespace
