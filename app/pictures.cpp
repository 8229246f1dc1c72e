#include "app/pictures.h"

#include "app/embedded_pictures.h"
#include "app/png_image.h"

#include <cstring>

QImage BuiltInPicture(const char* name, Text* error) {
    for (std::size_t i = 0; i < kEmbeddedPictureCount; ++i) {
        const EmbeddedPicture& picture = kEmbeddedPictures[i];
        if (std::strcmp(picture.name, name) == 0) {
            Text why;
            QImage image = DecodePng(picture.data, picture.size, &why);
            if (image.isNull() && error) *error = Text(name) + ": " + why;
            return image;
        }
    }
    if (error) *error = Text(name) + ": not built in";
    return QImage();
}

std::optional<WindowPictures> LoadWindowPictures(Text* error) {
    WindowPictures pictures;
    struct Slot {
        QPixmap* pixmap;
        const char* name;
    };
    const Slot table[] = {
        {&pictures.background, "background"},
        {&pictures.popularLink, "popular_link"},
        {&pictures.popularLinkHover, "popular_link_hover"},
        {&pictures.exit, "exit"},
        {&pictures.exitHover, "exit_hover"},
        {&pictures.home, "home"},
        {&pictures.homeHover, "home_hover"},
        {&pictures.help, "help"},
        {&pictures.helpHover, "help_hover"},
        {&pictures.start, "start"},
        {&pictures.startHover, "start_hover"},
        {&pictures.inputFrame, "input_frame"},
        {&pictures.logFrame, "log_frame"},
        {&pictures.TickedBoxPicture, "ticked_box"},
        {&pictures.EmptyBoxPicture, "empty_box"},
        {&pictures.icon, "icon"},
    };
    for (const Slot& slot : table) {
        QImage image = BuiltInPicture(slot.name, error);
        if (image.isNull()) return std::nullopt;
        *slot.pixmap = QPixmap::fromImage(image);
    }
    return pictures;
}
