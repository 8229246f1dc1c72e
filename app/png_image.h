// Turns PNG data into an image the widgets can draw, through libpng.
#pragma once

#include "common/text.h"

#include <QImage>

#include <cstddef>

// Decodes the PNG bytes at `data` into a 32-bit RGBA image. On damaged or
// truncated data it gives a null image and, when `error` is given, libpng's
// reason.
QImage DecodePng(const unsigned char* data, std::size_t size, Text* error = nullptr);
