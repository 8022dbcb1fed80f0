#include "addin/AModule.h"

#include "addin/ProjectGlobals.h"
#include "addin/modText.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"
#include "platform/dom/TextRange.h"
#include "platform/editor/Application.h"
#include "platform/editor/CommandBars.h"
#include "platform/editor/PageWindow.h"
#include "platform/editor/Web.h"
#include "platform/editor/WebFile.h"
#include "platform/editor/WebFolder.h"
#include "platform/sys/App.h"
#include "platform/sys/ErrorsIgnored.h"
#include "platform/sys/Required.h"
#include "platform/sys/Text.h"
#include "platform/ui/MsgBox.h"

#include <optional>

namespace zirirur {

namespace text = sys::text;

namespace {

editor::Application& Editor() {
    if (FPApp == nullptr)
        sys::raise(sys::ErrObjectVariableNotSet);
    return *FPApp;
}

} // namespace

std::shared_ptr<dom::Document> PageDocument() {
    auto document = Editor().activeDocument();
    sys::required(document);
    return document;
}

bool InsertScriptFile(const std::string& ScriptId, const std::string& FileName) {
    try {
        // Every script element is looked at; the id must match exactly.
        bool present = false;
        auto scripts = PageDocument()->scripts();
        const int count = scripts.length();
        for (int i = 0; i < count; ++i) {
            if (sys::required(scripts.item(i)).id() == ScriptId)
                present = true;
        }
        if (present)
            return true;

        const std::string path = sys::App::path() + "\\Scripts\\" + FileName;
        if (FileExists(path)) {
            const std::string script = ReadFile(path);
            auto head = PageDocument()->all().tags("head").item(0);
            sys::required(head).insertAdjacentHTML("BeforeEnd", script);
            return true;
        }
        ui::msgBox("Script File Not Found.  Unable to process request.\rPlease check your "
                   "installation.",
                   ui::vbCritical + ui::vbOKOnly, "Zirirur");
        return false;
    } catch (const sys::Error&) {
        return false;
    }
}

editor::WebFolder* GetPageFolder() {
    editor::WebFolder* folder = nullptr;

    std::string href;
    sys::tryStep([&] { href = PageDocument()->locationHref(); });

    if (text::left(href, 7) == "unsaved") {
        sys::tryStep([&] { folder = &sys::required(Editor().activeWeb()).rootFolder(); });
        return folder;
    }

    std::string pageAddress;
    std::string rootAddress;
    sys::tryStep([&] {
        pageAddress =
            sys::required(sys::required(Editor().activePageWindow()).document()).locationHref();
    });
    sys::tryStep([&] { rootAddress = sys::required(Editor().activeWeb()).rootFolder().url(); });

    std::string relative;
    sys::tryStep([&] { relative = text::mid(pageAddress, text::length(rootAddress) + 2); });

    std::string folderPart;
    sys::tryStep([&] {
        const std::string fileName = sys::required(Editor().activePageWindow()).file().name();
        const long keep = text::length(relative) - text::length(fileName);
        if (keep < 0)
            sys::raise(sys::ErrInvalidCall);
        folderPart = text::left(relative, keep);
    });

    long slashes = 0;
    sys::tryStep([&] {
        for (long pos = text::find(folderPart, "/"); pos != 0;
             pos = text::find(folderPart, "/", pos + 1))
            ++slashes;
    });

    sys::tryStep([&] { folder = &sys::required(Editor().activeWeb()).rootFolder(); });
    long segmentStart = 1;
    for (long n = 0; n < slashes; ++n) {
        const long slash = text::find(folderPart, "/", segmentStart);
        const std::string segment = text::mid(folderPart, segmentStart, slash - segmentStart);
        segmentStart = slash + 1;
        // A name that is not found leaves the folder at the last one reached.
        sys::tryStep([&] { folder = &sys::required(folder).folders().item(segment); });
    }
    return folder;
}

std::string PickHyperlink() {
    sys::tryStep([&] {
        PageDocument()->selection().createRange().pasteHTML(
            "<DIV ID=FPLink1 style='visibility:hidden; position:absolute; top:-1px; left:700px; "
            "WIDTH: 1px;HEIGHT: 1px;'></DIV>");
    });
    ui::doEvents();
    ui::doEvents();

    sys::tryStep([&] {
        auto holder = PageDocument()->all().tags("DIV").item("FPLink1");
        sys::required(holder).insertAdjacentHTML("AfterBegin", "<IMG ID=FPLink2 SRC=''>");
    });

    sys::tryStep([&] {
        auto document = PageDocument();
        auto image = document->all().tags("IMG").item("FPLink2");
        auto range = document->selection().createRange();
        sys::required(image);
        range.moveToElementText(image);
        range.select();
    });

    sys::tryStep([&] {
        sys::required(Editor().commandBars().item("Insert").controls().item("Hyperlink..."))
            .execute();
    });

    ui::doEvents();

    std::string markup;
    std::optional<dom::TextRange> linkRange;
    sys::tryStep([&] {
        auto document = PageDocument();
        auto holder = sys::required(document->body()).all().tags("DIV").item("FPLink1");
        sys::required(holder);
        linkRange.emplace(document->selection().createRange());
        linkRange->moveToElementText(holder);
        linkRange->select();
        markup = linkRange->htmlText();
    });

    std::string address;
    sys::tryStep([&] {
        const long at = text::find(markup, "href=");
        if (at == 0)
            return;
        const long last = text::length(markup);
        for (long pos = at + 6; pos < last; ++pos) {
            const std::string ch = text::mid(markup, pos, 1);
            if (ch == "\"")
                break;
            address += ch;
        }
    });

    sys::tryStep([&] {
        if (!linkRange)
            sys::raise(sys::ErrObjectVariableNotSet);
        linkRange->pasteHTML("");
    });
    return address;
}

std::string UrlToPath(const std::string& Url) {
    std::string path = ReplaceText(Url, "/", "\\");
    if (text::length(path) > 8 && text::upper(text::left(path, 8)) == "FILE:\\\\\\")
        path = text::mid(path, 9);
    return path;
}

bool IsAlphaNumeric(const std::string& Text) {
    if (Text.empty())
        return false;
    bool valid = true;
    // One code page byte per character, so a long pasted text is read in one pass. Every
    // character is looked at, as callers may rely on the whole text being read.
    for (const unsigned char code : text::toAnsi(Text)) {
        const bool digit = code >= 48 && code <= 57;
        const bool upperLetter = code >= 65 && code <= 90;
        const bool lowerLetter = code >= 97 && code <= 122;
        if (!digit && !upperLetter && !lowerLetter)
            valid = false;
    }
    return valid;
}

bool IsValidName(std::string Text) {
    bool mark = true;
    sys::tryStep([&] {
        if (Text.empty() || text::find(Text, " ") != 0)
            mark = false;
    });
    bool result = false;
    sys::tryStep([&] { result = IsAlphaNumeric(Text) ? mark : false; });
    return result;
}

} // namespace zirirur
