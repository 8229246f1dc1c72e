#include "app/png_image.h"

#include <png.h>

#include <cstring>

namespace {

// Owns libpng's read state for one image; frees it however decoding ends.
class PngReader {
public:
    PngReader() {
        std::memset(&image_, 0, sizeof image_);
        image_.version = PNG_IMAGE_VERSION;
    }
    ~PngReader() { png_image_free(&image_); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;

    png_image& image() { return image_; }
    Text message() const { return image_.message; }

private:
    png_image image_;
};

}  // namespace

QImage DecodePng(const unsigned char* data, std::size_t size, Text* error) {
    auto fail = [error](const Text& why) {
        if (error) *error = why;
        return QImage();
    };
    if (data == nullptr || size == 0) return fail("no PNG data");

    PngReader reader;
    png_image& image = reader.image();
    if (!png_image_begin_read_from_memory(&image, data, size))
        return fail(reader.message());

    image.format = PNG_FORMAT_RGBA;
    QImage result(static_cast<int>(image.width), static_cast<int>(image.height),
                  QImage::Format_RGBA8888);
    if (result.isNull()) return fail("image too large");

    // libpng writes the rows straight into the image, at its own row stride.
    if (!png_image_finish_read(&image, nullptr, result.bits(),
                               static_cast<png_int_32>(result.bytesPerLine()), nullptr))
        return fail(reader.message());
    return result;
}
