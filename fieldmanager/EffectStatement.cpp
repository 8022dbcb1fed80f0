#include "fieldmanager/EffectStatement.h"

#include "addin/modText.h"
#include "platform/sys/Text.h"

namespace zirirur {

namespace text = sys::text;

const EffectStatement EffectStatement::UpperCase{EffectAttribute::OnBlur, "VQRMakeUpper(this);", "",
                                                 ""};
const EffectStatement EffectStatement::LowerCase{EffectAttribute::OnBlur, "VQRMakeLower(this);", "",
                                                 ""};
const EffectStatement EffectStatement::NumbersOnly{EffectAttribute::OnBlur,
                                                   "ZirirurNumberOnly(this);", "", ""};
const EffectStatement EffectStatement::CharCounter{EffectAttribute::OnKeyUp, "",
                                                   "ZirirurTextCounter(this,", ");"};
const EffectStatement EffectStatement::StatusOnFocus{EffectAttribute::OnFocus, "",
                                                     "ZirirurStatus('", "');"};
const EffectStatement EffectStatement::StatusOnBlur{EffectAttribute::OnBlur, "ZirirurStatus(' ');",
                                                    "ZirirurStatus('", "');"};
const EffectStatement EffectStatement::Lock{EffectAttribute::OnFocus, "this.blur();", "this.blur(",
                                            ");"};
const EffectStatement EffectStatement::BoldOnFocus{
    EffectAttribute::OnFocus, "this.style.fontWeight='bold';", "this.style.fontWeight='", "bold';"};
const EffectStatement EffectStatement::BoldOnBlur{EffectAttribute::OnBlur,
                                                  "this.style.fontWeight='normal';",
                                                  "this.style.fontWeight='", "normal';"};
const EffectStatement EffectStatement::BackgroundOnFocus{EffectAttribute::OnFocus, "",
                                                         "style.backgroundColor='", "';"};
const EffectStatement EffectStatement::TextColorOnFocus{EffectAttribute::OnFocus, "",
                                                        "style.color='", "';"};
const EffectStatement EffectStatement::BackgroundOnBlur{EffectAttribute::OnBlur, "",
                                                        "style.backgroundColor='", "';"};
const EffectStatement EffectStatement::TextColorOnBlur{EffectAttribute::OnBlur, "", "style.color='",
                                                       "';"};

const ScriptFile EffectStatement::TextFunctions{"VQRTextFuncs", "vqrtext.fps"};
const ScriptFile EffectStatement::StatusScript{"VQRStatus", "vqrstatus.fps"};

std::string EffectStatement::text(std::string_view argument) const {
    if (!fixedText.empty())
        return std::string(fixedText);
    std::string statement(startMarker);
    statement += argument;
    statement += endMarker;
    return statement;
}

std::string EffectStatement::oldCopy(std::string_view value) const {
    if (startMarker.empty())
        return std::string(fixedText);
    std::string copy(startMarker);
    copy += TextBetween(std::string(value), std::string(startMarker), std::string(endMarker));
    copy += endMarker;
    return copy;
}

std::string EffectStatement::remainder(std::string_view value) const {
    const std::string rest = ReplaceText(std::string(value), oldCopy(value), "");
    return text::trim(rest);
}

std::string EffectStatement::appended(std::string_view remainder, std::string_view statement) {
    if (remainder.empty())
        return std::string(statement);
    std::string value(remainder);
    if (text::right(remainder, 1) != ";")
        value += ";";
    value += statement;
    return value;
}

std::string EffectStatement::closed(std::string_view remainder) {
    std::string value(remainder);
    if (!value.empty() && text::right(value, 1) != ";")
        value += ";";
    return value;
}

std::string EffectStatement::added(std::string_view value, std::string_view statement) const {
    return appended(remainder(value), statement);
}

std::string EffectStatement::removed(std::string_view value) const {
    return remainder(value);
}

std::string EffectStatement::lockAdded(std::string_view value) {
    const std::string withoutCopy = ReplaceText(std::string(value), Lock.oldCopy(value), "");
    const std::string rest = text::trim(ReplaceText(withoutCopy, "this.blur()", ""));
    return appended(rest, Lock.text());
}

std::string EffectStatement::lockRemoved(std::string_view value) {
    const std::string withoutCopy = ReplaceText(std::string(value), Lock.oldCopy(value), "");
    return closed(text::trim(ReplaceText(withoutCopy, "this.blur()", "")));
}

} // namespace zirirur
