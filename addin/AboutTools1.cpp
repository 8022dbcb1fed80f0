#include "addin/AboutTools1.h"

#include "addin/modText.h"
#include "platform/sys/App.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Line.h"

namespace zirirur {

AboutTools1::AboutTools1() : ui::Form("AboutTools1") {}

void AboutTools1::createControls() {
    setCaption("About Zirirur From Dedarav.");
    setClientSize(4800, 3000);

    const std::string art = sys::App::path() + "\\About\\";

    Image3 = add<ui::Image>("Image3");
    Image3->move(0, 0, 2880, 240);
    Image3->setPicture(art + "banner.png");

    Image2 = add<ui::Image>("Image2");
    Image2->move(240, 480, 960, 960);
    Image2->setPicture(art + "logo.png");

    Label18 = add<ui::Label>("Label18");
    Label18->move(1440, 600, 3120, 600);
    Label18->setCaption(std::string("Zirirur from Dedarav - ") + MakerAddress);
    Label18->setToolTipText("Visit the maker's web site");
    Label18->onClick = [this] { Label18_Click(); };

    Line1 = add<ui::Line>("Line1");
    Line1->setPoints(240, 1800, 4560, 1800);

    Command1 = add<ui::CommandButton>("Command1");
    Command1->move(3960, 2160, 600, 600);
    Command1->setPicture(art + "close.png");
    Command1->setToolTipText("Close");
    Command1->onClick = [this] { Command1_Click(); };
}

void AboutTools1::Form_Unload() {
    // The controls die with the unload; drop the pointers so nothing reaches a dead control.
    Command1 = nullptr;
    Label18 = nullptr;
    Image2 = nullptr;
    Image3 = nullptr;
    Line1 = nullptr;
}

void AboutTools1::Command1_Click() {
    unload();
}

void AboutTools1::Label18_Click() {
    ShellOpen(MakerAddress);
}

} // namespace zirirur
