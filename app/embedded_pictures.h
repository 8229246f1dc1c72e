// The PNG files of app/pictures, compiled into the program.
#pragma once

#include <cstddef>

struct EmbeddedPicture {
    const char* name;  // the file name without ".png"
    const unsigned char* data;
    std::size_t size;
};

extern const EmbeddedPicture kEmbeddedPictures[];
extern const std::size_t kEmbeddedPictureCount;
