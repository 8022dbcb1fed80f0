#pragma once

#include "platform/editor/Application.h"
#include "platform/ui/Driver.h"
#include "tests/platform/editor/ScratchFolder.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace dom {
class Document;
class Element;
} // namespace dom

namespace ui {
class Form;
}

// One page of tests/data opened in the editor, inside a web in a fresh temporary folder, with
// an installation folder of its own, and the add-in pointed at that editor. Dialogs are shown
// modally and fed scripted user actions; what the user saw is the driver's transcript.
class PageSession {
public:
    // page: a file of tests/data; folder: where in the web it lies ("" for the root, "a/b").
    explicit PageSession(const std::string& page, const std::string& folder = "");
    // A page file of these bytes, in the web's root folder, opened as the editor opens any.
    static std::unique_ptr<PageSession> fromBytes(const std::string& bytes);
    ~PageSession();
    PageSession(const PageSession&) = delete;
    PageSession& operator=(const PageSession&) = delete;

    editor::Application& app() { return m_app; }
    std::shared_ptr<dom::Document> document() const;
    // The element with that id (else the first with that name); fails the test when none.
    std::shared_ptr<dom::Element> element(const std::string& idOrName) const;
    // The value of an attribute of that element; "(none)" when it has no such attribute.
    std::string attribute(const std::string& idOrName, const std::string& name) const;
    // Puts the caret into (or right after) the element, as a click in the page would.
    void placeCursor(const std::string& idOrName);

    // The installation's script files; tests may remove them.
    std::string installFolder() const { return m_root.path("install"); }
    std::string webFolder() const { return m_root.path("web"); }
    void removeScriptFile(const std::string& fileName);

    // Shows the dialog modally, delivers the actions in order, then closes it by its close
    // box if it is still open. Gives the transcript lines of the run.
    std::vector<std::string> run(ui::Form& dialog, std::vector<ui::Driver::Action> actions);

    // Saves the page to its file and gives the file's text; reopen() opens that file again as
    // a freshly loaded page (caret nowhere).
    std::string save();
    void reopen();

private:
    PageSession();

    ScratchFolder m_root;
    std::string m_pagePath;
    editor::Application m_app;
};

// Acting as the user on the topmost form.
namespace act {
ui::Driver::Action click(const std::string& control);
ui::Driver::Action select(const std::string& control, const std::string& rowText);
ui::Driver::Action set(const std::string& control, const std::string& text);
ui::Driver::Action type(const std::string& control, const std::string& text);
ui::Driver::Action key(const std::string& control, int keyCode);
// Runs any code while the dialog waits for the user (to look at it mid-run).
ui::Driver::Action inspect(std::function<void()> look);
} // namespace act

// The value shown by a control of the topmost form: a label's caption, a box's text, a
// list's selected row.
std::string shown(const std::string& control);
// Expects each named control of the topmost form to show its text.
using Shown = std::vector<std::pair<std::string, std::string>>;
void expectShown(const Shown& controlsAndTexts);
// Every row of a list of the topmost form.
std::vector<std::string> rows(const std::string& list);
// The lines of a transcript that report an error.
std::vector<std::string> errorLines(const std::vector<std::string>& transcript);

// The fields of fm-roads.htm, whose own handlers a reader of the markup would miss or mistake,
// and the attributes that hold those handlers or could be taken for them.
extern const std::vector<std::string> RoadFields;
extern const std::vector<std::string> RoadAttributes;
// Field, attribute name, value ("" when absent).
using AttributeTable = std::map<std::string, std::map<std::string, std::string>>;
AttributeTable attributesOf(const PageSession& page, const std::vector<std::string>& fields,
                            const std::vector<std::string>& names);
