#pragma once

#include "platform/ui/Form.h"

namespace ui {
class CommandButton;
class Image;
class Label;
class Line;
} // namespace ui

namespace zirirur {

// The About box: the product's artwork and the maker's line; closes, or opens the maker's site.
class AboutTools1 : public ui::Form {
public:
    // The maker's web site, handed to the shell when the maker's line is clicked.
    static constexpr const char* MakerAddress = "http://www.dedarav.example/";

    AboutTools1();

    ui::CommandButton* Command1 = nullptr;
    ui::Label* Label18 = nullptr;
    ui::Image* Image2 = nullptr;
    ui::Image* Image3 = nullptr;
    ui::Line* Line1 = nullptr;

protected:
    void createControls() override;
    void Form_Unload() override;

private:
    void Command1_Click();
    void Label18_Click();
};

} // namespace zirirur
