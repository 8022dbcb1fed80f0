#pragma once

#include "platform/sys/Error.h"

// The number of the sys::Error that step raises, 0 when it raises none.
template <typename Step> int errorNumberOf(Step&& step) {
    try {
        step();
        return 0;
    } catch (const sys::Error& error) {
        return error.number();
    }
}
