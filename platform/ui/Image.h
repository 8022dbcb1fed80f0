#pragma once

#include "platform/ui/Control.h"

#include <string>

namespace ui {

// Artwork fixed in a form's design: a PNG file of the installation folder.
class Image : public Control {
public:
    const std::string& picture() const;
    void setPicture(const std::string& path);
};

} // namespace ui
