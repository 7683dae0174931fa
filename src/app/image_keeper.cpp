#include "app/image_keeper.h"

#include <iostream>

#include "config/history.h"

namespace qz5 {

ImageKeeper::ImageKeeper() : warnings_(std::cerr) {}

void ImageKeeper::exchanged(const ConfigImage& image, std::string_view direction,
                            std::string_view port, std::string_view version) {
    keep(image);
    keepInHistory({image, direction, port, version}, warnings_);
}

}  // namespace qz5
