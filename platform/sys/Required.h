#pragma once

#include "platform/sys/Error.h"

#include <memory>

namespace sys {

// An object that is not there fails the step that uses it, as an unset object variable does
// (error 91), never as a crash.
template <typename T> T& required(T* object) {
    if (object == nullptr)
        raise(ErrObjectVariableNotSet);
    return *object;
}

template <typename T> T& required(const std::shared_ptr<T>& object) {
    return required(object.get());
}

} // namespace sys
