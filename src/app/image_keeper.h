#pragma once

#include <optional>
#include <string_view>

#include "config/config_image.h"
#include "config/history.h"

namespace qz5 {

// The image the window last read, wrote or loaded. Write and Save encode
// against it, so that delays the user left alone keep their exact counts.
class ImageKeeper {
  public:
    // History warnings go to stderr, never into a box.
    ImageKeeper();

    void keep(const ConfigImage& image) { image_ = image; }
    // Kept, and stored in the history since it crossed the line.
    void exchanged(const ConfigImage& image, std::string_view direction, std::string_view port,
                   std::string_view version);
    const ConfigImage* image() const { return image_ ? &*image_ : nullptr; }

  private:
    std::optional<ConfigImage> image_;
    HistoryWarnings warnings_;
};

}  // namespace qz5
