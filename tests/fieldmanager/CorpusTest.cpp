#include "PageSession.h"

#include "fieldmanager/frmManFields.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/ElementCollection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using zirirur::frmManFields;

bool inside(std::shared_ptr<dom::Element> element, const std::shared_ptr<dom::Element>& form) {
    for (; element; element = element->parentElement())
        if (element == form)
            return true;
    return false;
}

// Real pages nobody here wrote: old markup, odd encodings, forms in odd places.
TEST(CorpusPages, TheDialogOpensOnAFieldOfEveryFormAndListsItsFields) {
    int pagesWithForms = 0;
    for (const auto& entry : fs::directory_iterator(ZIRIRUR_CORPUS_DIR)) {
        if (entry.path().extension() != ".htm")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        // Pages are opened through the editor, which decodes their charset.
        auto session = PageSession::fromBytes(ScratchFolder::readFile(entry.path()));
        // The cursor goes into the last field that lies inside its form's markup.
        auto forms = session->document()->all().tags("FORM");
        std::shared_ptr<dom::Element> form;
        std::shared_ptr<dom::Element> field;
        for (int i = 0; i < forms.length() && !field; ++i) {
            for (int j = forms.item(i)->length() - 1; j >= 0 && !field; --j)
                if (inside(forms.item(i)->item(j), forms.item(i)))
                    field = forms.item(i)->item(j);
            if (field)
                form = forms.item(i);
        }
        if (!field) {
            ADD_FAILURE() << "no form holds a field in its markup";
            continue;
        }
        ++pagesWithForms;
        const int fields = form->length();
        session->document()->setCaretAtEndOf(field);

        frmManFields dialog;
        const auto transcript =
            session->run(dialog, {act::inspect([&] {
                             const auto names = rows("List1");
                             EXPECT_EQ(static_cast<int>(names.size()), fields);
                             for (const char* list : {"List4", "List5", "List6", "List7", "List8",
                                                      "List9", "List10", "List11"})
                                 EXPECT_EQ(rows(list).size(), names.size()) << list;
                             EXPECT_EQ(shown("List1"), names.front());
                         })});
        EXPECT_THAT(errorLines(transcript), testing::IsEmpty());
        EXPECT_TRUE(dialog.FormFound);
    }
    EXPECT_GT(pagesWithForms, 20);
}

} // namespace
