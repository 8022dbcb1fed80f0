#include "platform/ui/Image.h"

#include "platform/sys/Error.h"
#include "platform/ui/Describe.h"

namespace ui {

Image::Image(Form& form, std::string name, int index) : Control(form, std::move(name), index) {}

const std::string& Image::picture() const {
    return m_picture;
}

void Image::setPicture(const std::string& path) {
    m_picture = path;
    m_image.reset();
    m_read = false;
}

const gfx::Surface* Image::image() const {
    if (!m_read && !m_picture.empty()) {
        m_read = true;
        // Artwork that is missing or unreadable leaves the image empty rather than the dialog
        // unusable.
        try {
            m_image = gfx::Surface::loadPng(m_picture);
        } catch (const sys::Error&) {
            m_image.reset();
        }
    }
    return m_image ? &*m_image : nullptr;
}

gfx::Surface Image::snapshot() const {
    if (const gfx::Surface* shown = image())
        return *shown;
    return Control::snapshot();
}

std::string Image::describeValue() const {
    return m_picture.empty() ? std::string() : describe::quote(m_picture);
}

} // namespace ui
