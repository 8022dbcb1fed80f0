#pragma once

#include "platform/gfx/Surface.h"
#include "platform/ui/Control.h"

#include <optional>
#include <string>

namespace ui {

// Artwork fixed in a form's design: a PNG file of the installation folder.
class Image : public Control {
public:
    Image(Form& form, std::string name, int index);

    const std::string& picture() const;
    // Keeps the path; the picture is read when it is first looked at.
    void setPicture(const std::string& path);
    // The picture's pixels; nullptr when there is none or the file is no readable PNG.
    const gfx::Surface* image() const;

    gfx::Surface snapshot() const override;

protected:
    std::string kind() const override { return "image"; }
    std::string describeValue() const override;

private:
    std::string m_picture;
    mutable std::optional<gfx::Surface> m_image;
    mutable bool m_read = false;
};

} // namespace ui
