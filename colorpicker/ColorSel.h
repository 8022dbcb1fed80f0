#pragma once

#include "platform/ui/Form.h"

#include <string>

namespace ui {
class CommandButton;
class Control;
class Label;
class ListBox;
class Shape;
class TextBox;
} // namespace ui

namespace zirirur {

class AZColorBox;

// The Color Selector: the colour control, the active colour as colour text (which the user may
// also type), and the page's own colours gathered into the custom palette. OK, or a double
// click on the palette, hands the active colour to ColorTarget (its BackColor and ToolTipText)
// and unloads; Cancel and the close box only unload.
class ColorSel : public ui::Form {
public:
    ColorSel();
    ~ColorSel() override;

    // The dialog's single instance, made on first use, and its release at disconnection.
    static ColorSel& instance();
    static void releaseInstance();

    // Points ColorTarget at the target, starts the single instance at the target's colour text
    // (its ToolTipText) and shows it modally; returns when it has closed.
    static void ChooseFor(ui::Control* target);

    // Both show the colour the dialog starts from.
    AZColorBox* ColorBox = nullptr;
    ui::TextBox* HTMLColor = nullptr;

protected:
    void createControls() override;
    void Form_Unload() override;

private:
    void ColorBox_Change();
    void Command2_Click(); // OK, and a double click on the palette
    void Command7_Click(); // Cancel
    void HTMLColor_KeyPress(int& KeyAscii);
    void btDocColors_Click();

    ui::Label* Label20 = nullptr;
    ui::CommandButton* btDocColors = nullptr;
    ui::CommandButton* Command2 = nullptr;
    ui::CommandButton* Command7 = nullptr;
    ui::ListBox* ColorList = nullptr;
    ui::Shape* Shape1 = nullptr;
};

} // namespace zirirur
