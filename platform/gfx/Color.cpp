#include "platform/gfx/Color.h"

namespace gfx {

uint32_t resolveColor(int32_t color) {
    const auto value = uint32_t(color);
    if ((value & 0x80000000u) == 0)
        return value & 0x00FFFFFFu;
    switch (value & 0xFFu) {
    case 0x00: // scroll bars
    case 0x0F: // button face
    case 0x04: // menu bar
        return uint32_t(rgb(192, 192, 192));
    case 0x01: // desktop
        return uint32_t(rgb(0, 128, 128));
    case 0x02: // active caption
        return uint32_t(rgb(0, 0, 128));
    case 0x03: // inactive caption
    case 0x10: // button shadow
    case 0x11: // grey text
        return uint32_t(rgb(128, 128, 128));
    case 0x0D: // selected item
        return uint32_t(rgb(0, 0, 128));
    case 0x05: // window
    case 0x0E: // selected item text
    case 0x14: // button highlight
        return uint32_t(rgb(255, 255, 255));
    case 0x15: // 3-D dark shadow
        return uint32_t(rgb(64, 64, 64));
    case 0x16: // 3-D light
        return uint32_t(rgb(223, 223, 223));
    case 0x18: // tooltip background
        return uint32_t(rgb(255, 255, 225));
    default: // window frame, texts
        return 0;
    }
}

} // namespace gfx
