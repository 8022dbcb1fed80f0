#pragma once

#include "platform/ui/Form.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace dom {
class Element;
}
namespace ui {
class ComboBox;
class CommandButton;
class Frame;
class Label;
class ListBox;
class PictureBox;
class TextBox;
} // namespace ui

namespace zirirur {

class EffectStatement;
enum class EffectAttribute;

// The Form Fields Manager: lists the fields of the form that holds the cursor, shows the
// current field's name, value, type and effects, and edits them in the page at once. The page
// is the only store of the effects: the hidden flag lists are rebuilt from it at each scan.
class frmManFields : public ui::Form {
public:
    frmManFields();
    ~frmManFields() override;

    // The form of the last scan that found one, and the current field (the element where the
    // scan's walk stopped until a field is selected).
    std::shared_ptr<dom::Element> CurForm;
    std::shared_ptr<dom::Element> CurField;
    bool FormFound = false;

    // The scan: finds the form at the cursor, fills the field table and selects row 0.
    void LoadFormFields();

    // The value of an event attribute as the element's outer HTML shows it, its references
    // taken back to the characters they stand for; "" when absent.
    static std::string GetJMethod(const std::shared_ptr<dom::Element>& TheElem,
                                  const std::string& WhatMethod);
    // Replaces or adds the attribute by rewriting the element's outer HTML, then fetches the
    // current field again.
    void SetJMethod(const std::shared_ptr<dom::Element>& TheElem, const std::string& WhatMethod,
                    const std::string& WhatScript);

    // The colour value of an HTML colour text (#RRGGBB or RRGGBB); 0 for shorter text.
    static int32_t WhatLocalRGB(const std::string& ValHex);

protected:
    void createControls() override;
    void Form_Load() override;

private:
    enum class Flag { No, Yes };
    enum class Setting { Off, On };

    // --- the dialog and the field model ---
    void List1_Click();
    void lstEffect_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Text3_Change();
    void txtName_Change();
    void txtValue_Change();
    void txtCharLimit_Change();

    void RefetchCurField();
    void LoadSwatches();
    static int HexDigitValue(const std::string& ch);
    void ClearFieldTable();
    bool HasCurrentField() const;
    static void SetFlag(ui::ListBox* list, int row, Flag flag);
    static bool FlagIsOn(const ui::ListBox* list, int row);
    static void ShowState(ui::Label* label, bool on);

    // --- the effects ---
    bool ApplyCharCounter();
    bool ApplyStatusText();
    void ApplyBoldOnFocus();

    std::string ReadAttribute(EffectAttribute attribute) const;
    void WriteAttribute(EffectAttribute attribute, const std::string& value);
    // Reads the attribute, passes its value through the rule and writes the result.
    void EditAttribute(EffectAttribute attribute,
                       const std::function<std::string(std::string_view)>& rule);
    void AddStatement(const EffectStatement& statement, const std::string& text);
    void RemoveStatement(const EffectStatement& statement);
    void AddLock();
    void RemoveLock();
    void RemoveBold();
    static void Yield(int times);

    void Command12_Click(); // upper case +
    void Command13_Click(); // upper case -
    void Command11_Click(); // lower case +
    void Command14_Click(); // lower case -
    void Command15_Click(); // numbers only +
    void Command16_Click(); // numbers only -
    void Command17_Click(); // character limit +
    void Command19_Click(); // character limit Set
    void Command18_Click(); // character limit -
    void Command8_Click();  // status text +
    void Command10_Click(); // status text Set
    void Command9_Click();  // status text -
    void Command21_Click(); // lock +
    void Command22_Click(); // lock -
    void Command24_Click(); // font family Set
    void Command27_Click(); // bold +
    void Command28_Click(); // bold -
    void Command26_Click(); // text style Apply To All

    // --- the highlighting ---
    void ApplyHighlighting();
    void RemoveHighlighting();
    void AddColorStatement(const EffectStatement& statement, const ui::PictureBox* swatch);
    void RemoveBackgroundStatement(const EffectStatement& statement);

    // Opens the Color Selector on the swatch's colour; OK there gives the swatch its choice.
    void ChooseSwatchColor(ui::PictureBox* swatch);

    void Command4_Click();  // Background Highlight Color
    void Command5_Click();  // Background Non Highlight Color
    void Command20_Click(); // Text Highlight Color
    void Command23_Click(); // Text Non Highlight Color
    void Command6_Click();  // highlighting +
    void Command7_Click();  // highlighting -
    void Command25_Click(); // highlighting Apply To All

    // --- controls (made afresh at each load) ---
    ui::Frame* Frame1 = nullptr;
    ui::ListBox* List1 = nullptr;
    ui::ListBox* List4 = nullptr;  // highlighting on focus
    ui::ListBox* List5 = nullptr;  // status bar text
    ui::ListBox* List6 = nullptr;  // character limit
    ui::ListBox* List7 = nullptr;  // numbers only
    ui::ListBox* List8 = nullptr;  // upper case
    ui::ListBox* List9 = nullptr;  // lower case
    ui::ListBox* List10 = nullptr; // lock
    ui::ListBox* List11 = nullptr; // bold on focus
    ui::Label* Label6 = nullptr;
    ui::Label* txtType = nullptr;
    ui::Label* Label7 = nullptr;
    ui::TextBox* Text3 = nullptr;
    ui::Label* Label1 = nullptr;
    ui::TextBox* txtName = nullptr;
    ui::Label* Label2 = nullptr;
    ui::TextBox* txtValue = nullptr;
    ui::Label* Label18 = nullptr;
    ui::ComboBox* lstEffect = nullptr;
    ui::CommandButton* Command1 = nullptr;
    ui::CommandButton* Command2 = nullptr;
    ui::CommandButton* Command3 = nullptr;
    ui::Label* Label19 = nullptr;

    ui::Frame* Frame7 = nullptr; // Text Functions
    ui::TextBox* txtCharLimit = nullptr;
    ui::CommandButton* Command17 = nullptr;
    ui::CommandButton* Command18 = nullptr;
    ui::CommandButton* Command19 = nullptr;
    ui::Label* txtCharLimitOn = nullptr;
    ui::CommandButton* Command15 = nullptr;
    ui::CommandButton* Command16 = nullptr;
    ui::Label* txtNumOnlyOn = nullptr;
    ui::CommandButton* Command11 = nullptr;
    ui::CommandButton* Command14 = nullptr;
    ui::Label* txtLowerOnlyOn = nullptr;
    ui::CommandButton* Command12 = nullptr;
    ui::CommandButton* Command13 = nullptr;
    ui::Label* txtUpperOnlyOn = nullptr;

    ui::Frame* Frame2 = nullptr; // Highlighting On Focus
    ui::CommandButton* Command6 = nullptr;
    ui::CommandButton* Command7 = nullptr;
    ui::Label* txtHigh = nullptr;
    ui::PictureBox* Picture1 = nullptr;
    ui::CommandButton* Command4 = nullptr;
    ui::PictureBox* Picture2 = nullptr;
    ui::CommandButton* Command5 = nullptr;
    ui::PictureBox* picHighlightText = nullptr;
    ui::CommandButton* Command20 = nullptr;
    ui::PictureBox* picNormalText = nullptr;
    ui::CommandButton* Command23 = nullptr;
    ui::CommandButton* Command25 = nullptr;

    ui::Frame* Frame8 = nullptr; // Other Functions
    ui::CommandButton* Command21 = nullptr;
    ui::CommandButton* Command22 = nullptr;
    ui::Label* lblLockOn = nullptr;
    ui::CommandButton* Command8 = nullptr;
    ui::CommandButton* Command9 = nullptr;
    ui::Label* txtStatusOn = nullptr;
    ui::TextBox* txtStatus = nullptr;
    ui::CommandButton* Command10 = nullptr;

    ui::Frame* Frame3 = nullptr; // Text Style
    ui::CommandButton* Command27 = nullptr;
    ui::CommandButton* Command28 = nullptr;
    ui::Label* lblBoldFont = nullptr;
    ui::ComboBox* lstFonts = nullptr;
    ui::CommandButton* Command24 = nullptr;
    ui::CommandButton* Command26 = nullptr;
};

} // namespace zirirur
