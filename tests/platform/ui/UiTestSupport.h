#pragma once

// A form whose design a test writes as a lambda, and a driver that starts each test clean, on
// virtual time, with a script of user actions.

#include "platform/sys/Clock.h"
#include "platform/sys/Error.h"
#include "platform/ui/Driver.h"
#include "platform/ui/Form.h"
#include "tests/platform/ui/UserScript.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace uitest {

using Lines = std::vector<std::string>;

class TestForm : public ui::Form {
public:
    using Design = std::function<void(TestForm&)>;
    TestForm(std::string name, std::string caption, Design design)
        : ui::Form(std::move(name)), m_caption(std::move(caption)), m_design(std::move(design)) {}

    // Lets the design (a lambda) make controls.
    template <typename T> T* make(const std::string& name, int index = -1) {
        return add<T>(name, index);
    }
    template <typename T> T& get(const std::string& name, int index = -1) {
        auto* found = dynamic_cast<T*>(control(name, index));
        if (!found)
            throw std::logic_error("no control " + name);
        return *found;
    }

    std::function<void()> onLoad;
    std::function<void()> onUnload;
    int loads = 0; // the form object's own member: survives unload

protected:
    void createControls() override {
        setCaption(m_caption);
        if (m_design)
            m_design(*this);
    }
    void Form_Load() override {
        ++loads;
        if (onLoad)
            onLoad();
    }
    void Form_Unload() override {
        if (onUnload)
            onUnload();
    }

private:
    std::string m_caption;
    Design m_design;
};

inline int raisedNumber(const std::function<void()>& call, std::string* description = nullptr) {
    try {
        call();
    } catch (const sys::Error& error) {
        if (description)
            *description = error.description();
        return error.number();
    }
    return 0;
}

class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        sys::Clock::useVirtualTime();
        driver().reset();
    }
    void TearDown() override { driver().reset(); }
    static ui::Driver& driver() { return ui::Driver::instance(); }
    static Lines lines() { return driver().transcript(); }
};

} // namespace uitest
