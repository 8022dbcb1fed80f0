#include "formtools/frmComps.h"

#include "addin/AModule.h"
#include "addin/ButtonArt.h"
#include "addin/modText.h"
#include "fieldmanager/FindFormAtCursor.h"
#include "formtools/CompStore.h"
#include "formtools/PageInWeb.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/dom/TextRange.h"
#include "platform/editor/WebFiles.h"
#include "platform/editor/WebFolder.h"
#include "platform/sys/ErrorsIgnored.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/Required.h"
#include "platform/sys/Text.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/FileListBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/TextBox.h"

#include <utility>

namespace zirirur {

namespace text = sys::text;

namespace {

constexpr const char* Title = "Zirirur";
constexpr const char* NewFormMarkup = "<DIV><FORM NAME=\"VQTempForm\" ACTION=\"\" METHOD=\"POST\">"
                                      "<DIV ID=\"VQTempDIV\">NewForm</DIV></FORM></DIV>";
constexpr const char* NamePrompt = "Name to give form?";
constexpr const char* BadName = "No or bad name given! Exiting.";
constexpr const char* NoWeb = "Additional image/file contents etc (if any) will not be added "
                              "without being in a Frontpage Web.";

// The error state of one run of the insert command: every statement runs with errors ignored,
// and one that failed is remembered, as the extra files are added only while none has.
class RunErrors {
public:
    template <typename Step> void step(Step&& statement) {
        if (!sys::tryStep(std::forward<Step>(statement)))
            m_raised = true;
    }
    bool clear() const { return !m_raised; }

private:
    bool m_raised = false;
};

// The element as a form element: anything else is a type mismatch.
std::shared_ptr<dom::Element> AsForm(const std::shared_ptr<dom::Element>& element) {
    if (!sys::required(element).isForm())
        sys::raise(sys::ErrTypeMismatch);
    return element;
}

std::shared_ptr<dom::Element> FormNamed(const std::string& name) {
    return AsForm(PageDocument()->all().item(name));
}

// Pastes markup over the selection, as the user's typing would replace it.
void PasteAtSelection(const std::string& markup) {
    dom::TextRange range = PageDocument()->selection().createRange();
    range.select();
    range.pasteHTML(markup);
}

// Pastes a component at the cursor. The hyperlink picker leaves the caret in its emptied hidden
// element: the component then goes right after that element, where the user's cursor was, and
// not into something that no visitor sees.
void PasteAtCursor(const std::string& markup) {
    auto holder = PageDocument()->activeElement();
    if (holder && holder->id() == "FPLink1") {
        holder->insertAdjacentHTML("AfterEnd", markup);
        return;
    }
    PasteAtSelection(markup);
}

// A text put into a component (the form's name, what the user typed) as markup that reads back
// as the same text in an element's content and in a quoted attribute value: a quote, apostrophe,
// ampersand or angle bracket in it never changes the component's markup or breaks its scripts.
std::string AsMarkupText(const std::string& text) {
    std::string markup;
    for (const char c : text) {
        switch (c) {
        case '&':
            markup += "&amp;";
            break;
        case '<':
            markup += "&lt;";
            break;
        case '>':
            markup += "&gt;";
            break;
        case '"':
            markup += "&quot;";
            break;
        case '\'':
            markup += "&#39;";
            break;
        default:
            markup += c;
        }
    }
    return markup;
}

// Every carriage return, then every line feed, as a blank.
std::string LineBreaksAsBlanks(const std::string& text) {
    return ReplaceText(ReplaceText(text, "\r", " "), "\n", " ");
}

// Markup as a page gives it back once it holds it: tag names, quotes and escapes written the
// page's way, so that a form's name written "A&amp;B" into an attribute reads "A&B" here as it
// does in the page's own outer HTML. Every page of ours writes markup back alike.
std::string AsThePageGivesItBack(const std::string& markup) {
    auto scratch = dom::Document::parse("");
    dom::Element& holder = sys::required(scratch->body());
    holder.setInnerHTML(markup);
    return holder.innerHTML();
}

} // namespace

frmComps::frmComps() : ui::Form("frmComps") {}

frmComps::~frmComps() = default;

void frmComps::createControls() {
    setCaption("Form Components +");
    setClientSize(6480, 4320);
    setBackColor(0x00D3B4B4);

    Label1 = add<ui::Label>("Label1");
    Label1->move(120, 120, 2640, 255);
    Label1->setCaption("Available Components :");
    List1 = add<ui::ListBox>("List1");
    List1->move(120, 420, 2640, 3060);
    List1->setSorted(ui::Sorted::Yes);
    List1->onClick = [this] { List1_Click(); };
    List1->onDblClick = [this] { List1_DblClick(); };

    Label2 = add<ui::Label>("Label2");
    Label2->move(2940, 120, 3420, 255);
    Label2->setCaption("Description/Instructions :");
    Label5 = add<ui::Label>("Label5");
    Label5->move(2940, 420, 3420, 3060);
    Label5->setBackColor(0x00C0FFFF);

    Command1 = add<ui::CommandButton>("Command1");
    Command1->move(3540, 3660, 1335, 495);
    Command1->setPicture(ButtonArt("insert-now"));
    Command1->onClick = [this] { Command1_Click(); };
    Command3 = add<ui::CommandButton>("Command3");
    Command3->move(5025, 3660, 1335, 495);
    Command3->setPicture(ButtonArt("cancel"));
    Command3->onClick = [this] { Command3_Click(); };

    File1 = add<ui::FileListBox>("File1");
    File1->move(120, 420, 2640, 3060);
    File1->setVisible(false);
    Text1 = add<ui::TextBox>("Text1");
    Text1->move(120, 420, 2640, 315);
    Text1->setVisible(false);
    Text2 = add<ui::TextBox>("Text2");
    Text2->move(120, 840, 2640, 315);
    Text2->setVisible(false);
}

void frmComps::Form_Load() {
    const std::string store = CompStoreFolder();
    std::vector<std::string> entries;
    sys::tryStep([&] {
        for (sys::EntryKind kind : {sys::EntryKind::File, sys::EntryKind::Folder})
            for (auto& entry : sys::FileSystem::list(store, kind))
                entries.push_back(std::move(entry));
    });
    for (const std::string& entry : entries) {
        if (entry == "." || entry == "..")
            continue;
        // Only folders are components; a plain file of the store is not one.
        sys::tryStep([&] {
            if (sys::FileSystem::folderExists(store + entry))
                List1->addItem(entry);
        });
    }
}

void frmComps::Form_Unload() {
    // The controls die with the unload; nothing may reach them afterwards.
    Label1 = nullptr;
    List1 = nullptr;
    Label2 = nullptr;
    Label5 = nullptr;
    Command1 = nullptr;
    Command3 = nullptr;
    File1 = nullptr;
    Text1 = nullptr;
    Text2 = nullptr;
}

void frmComps::List1_Click() {
    Label5->setCaption("");
    const std::string path = CompStoreFolder() + List1->text() + CompDescFile;
    // A component folder gone since the list was filled leaves the description empty.
    sys::tryStep([&] {
        if (FileExists(path))
            Label5->setCaption(ReadFile(path));
    });
}

void frmComps::List1_DblClick() {
    List1_Click();
    Command1_Click();
}

void frmComps::Command1_Click() {
    RunErrors run;
    bool newForm = false;
    std::string formName;

    // 1. The form at the cursor.
    InForm = false;
    sys::tryStep([&] { FindFormAtCursor(PageDocument(), FormElement, FormObj, InForm); });

    // 2. No form there: offer a new one, and name it.
    if (!InForm) {
        if (ui::msgBox("Not currently in a form! Do you wish to insert one now?", ui::vbYesNo,
                       Title) != ui::vbYes) {
            unload();
            return;
        }
        run.step([&] { PasteAtSelection(NewFormMarkup); });
        newForm = true;
        run.step([&] { FormObj = FormNamed("VQTempForm"); });
        const std::string name = ui::inputBox(NamePrompt, Title);
        if (name.empty() || !IsValidName(name)) {
            ui::msgBox(BadName, ui::vbExclamation, Title);
            // The new form and its placeholder go; the outer DIV stays, holding a blank.
            run.step([&] { sys::required(FormObj).setOuterHTML(" "); });
            FormObj.reset();
            unload();
            return;
        }
        run.step([&] { sys::required(FormObj).setProperty("name", name); });
        ui::doEvents();
        run.step([&] { FormObj = FormNamed(name); });
    }

    // 3. A form without a name: offer to name it.
    bool unnamed = false;
    run.step([&] { unnamed = sys::required(FormObj).getProperty("name").empty(); });
    if (unnamed) {
        if (ui::msgBox("This form has no identifying name! Do you wish to name it now?",
                       ui::vbYesNo, Title) != ui::vbYes) {
            ui::msgBox(NoWeb, ui::vbInformation, Title);
            unload();
            return;
        }
        const std::string name = ui::inputBox(NamePrompt, Title);
        if (name.empty() || !IsValidName(name)) {
            ui::msgBox(BadName, ui::vbExclamation, Title);
            unload();
            return;
        }
        run.step([&] { sys::required(FormObj).setProperty("name", name); });
        run.step([&] { FormObj = FormNamed(name); });
    }

    // 4, 5. The form's name, the component and its folders.
    run.step([&] { formName = sys::required(FormObj).getProperty("name"); });
    std::string component;
    run.step([&] { component = List1->text(); });
    const std::string componentFolder = CompStoreFolder() + component;
    const std::string extraFolder = componentFolder + CompExtraFolder;
    run.step([&] { File1->setPath(extraFolder); });

    // 6. The extra files go into the page's web folder; only while nothing has failed so far.
    if (run.clear() && File1->listCount() > 0) {
        bool noWeb = false;
        run.step([&] { noWeb = !PageLiesInAWeb(); });
        if (noWeb) {
            ui::msgBox(NoWeb, ui::vbInformation, Title);
        } else {
            editor::WebFolder* folder = nullptr;
            run.step([&] { folder = GetPageFolder(); });
            for (int row = 0; row < File1->listCount(); ++row) {
                const std::string file = File1->list(row);
                if (file == CompExtraIndex)
                    continue;
                run.step(
                    [&] { sys::required(folder).files().add(extraFolder + "\\" + file, true); });
            }
        }
    }

    // 7. The sections.
    // A data file that cannot even be looked at (a folder, a device or a pipe in its place) is
    // as good as missing.
    bool missing = true;
    run.step([&] { missing = !FileExists(componentFolder + CompDataFile); });
    if (missing) {
        ui::msgBox("Data Files not found! Please check your installation.", ui::vbExclamation,
                   Title);
    } else {
        std::string data;
        run.step([&] { data = ReadFile(componentFolder + CompDataFile); });

        // PART1 before the body, PART2 at its start: once per page.
        const std::pair<CompSection, const char*> scripts[] = {{CompPart1, "BeforeBegin"},
                                                               {CompPart2, "AfterBegin"}};
        for (const auto& script : scripts) {
            const CompSection& section = script.first;
            const char* where = script.second;
            std::string s = TextBetween(data, section.StartMark, section.EndMark);
            if (s.empty())
                continue;
            // A section that cannot be unscrambled goes on as it was read.
            run.step([&] { s = GenerateCompCode(s); });
            s = ReplaceText(s, FormNameHolder, AsMarkupText(formName));
            bool present = true;
            run.step([&] { present = GotScriptHere(s); });
            if (!present)
                run.step(
                    [&] { sys::required(PageDocument()->body()).insertAdjacentHTML(where, s); });
        }

        // PART3 into the form.
        std::string s = TextBetween(data, CompPart3.StartMark, CompPart3.EndMark);
        if (!s.empty()) {
            run.step([&] { s = GenerateCompCode(s); });
            s = ReplaceText(s, FormNameHolder, AsMarkupText(formName));
            if (text::find(s, XtraDataHolder) != 0) {
                const std::string extra = ui::inputBox(
                    "This component requires extra data, such as text for a message or such, as "
                    "described in the component description.\r\rPlease enter the additional "
                    "text/data : ",
                    Title);
                s = ReplaceText(s, XtraDataHolder, AsMarkupText(extra));
            }
            if (text::find(s, HyperlinkHolder) != 0)
                s = ReplaceText(s, HyperlinkHolder, PickHyperlink());
            if (newForm) {
                // The placeholder inside this run's own form: a run that found no data files
                // leaves its form with a placeholder of the same id, earlier in the page.
                run.step([&] {
                    sys::required(sys::required(FormObj).all().item("VQTempDIV")).setOuterHTML(s);
                });
            } else {
                run.step([&] { PasteAtCursor(s); });
            }
        }
    }

    // 8.
    unload();
}

void frmComps::Command3_Click() {
    unload();
}

bool frmComps::GotScriptHere(std::string& WhatScript) {
    bool result = false;
    // The script as the page would give it back. Its line breaks are blanks before the page
    // reads it, which would join a CR LF into one line feed: the two stay apart here.
    std::string what = LineBreaksAsBlanks(WhatScript);
    // Markup that the page refuses is compared as it stands.
    sys::tryStep([&] { what = AsThePageGivesItBack(what); });
    auto scripts = PageDocument()->scripts();
    const int count = scripts.length();
    for (int i = 0; i < count; ++i) {
        const std::shared_ptr<dom::Element> script = scripts.item(i);
        Text1->setText(what);
        Text2->setText(sys::required(script).outerHTML());
        Text1->setText(LineBreaksAsBlanks(Text1->text()));
        Text2->setText(LineBreaksAsBlanks(Text2->text()));
        Text1->setText(text::trim(Text1->text()));
        Text2->setText(text::trim(Text2->text()));
        if (Text1->text() == Text2->text())
            result = true;
    }
    return result;
}

} // namespace zirirur
