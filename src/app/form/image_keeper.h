// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "config/config_image.h"

namespace qz5 {

// The image the window last read, wrote or loaded. Write and Save encode
// against it, so that delays the user left alone keep their exact counts.
class ImageKeeper {
  public:
    void keep(const ConfigImage& image) { image_ = image; }
    const ConfigImage* image() const { return image_ ? &*image_ : nullptr; }

  private:
    std::optional<ConfigImage> image_;
};

}  // namespace qz5
