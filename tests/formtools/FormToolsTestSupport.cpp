#include "FormToolsTestSupport.h"

#include "platform/gfx/Surface.h"
#include "platform/sys/App.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Driver.h"

#include <gtest/gtest.h>

void expectShippedPicture(const std::string& button, const std::string& art) {
    auto& shown = dynamic_cast<ui::CommandButton&>(ui::Driver::instance().control(button));
    EXPECT_EQ(shown.caption(), "") << button;
    EXPECT_EQ(shown.picture(), sys::App::path() + "\\Buttons\\" + art + ".png") << button;
    const std::string shipped = std::string(ZIRIRUR_INSTALL_DIR) + "/Buttons/" + art + ".png";
    EXPECT_GT(gfx::Surface::loadPng(shipped).width(), 0) << shipped;
}
