#include "addin/Connect.h"

#include "addin/Dialogs.h"
#include "addin/ProjectGlobals.h"
#include "addin/modText.h"
#include "platform/editor/Application.h"
#include "platform/editor/CommandBars.h"
#include "platform/editor/PageWindow.h"
#include "platform/sys/App.h"
#include "platform/sys/Error.h"
#include "platform/sys/ErrorsIgnored.h"
#include "platform/sys/Required.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"

namespace zirirur {

namespace {

const char* const ProductTitle = "Zirirur";
const char* const PopupCaption = "Zirirur";
const int PopupFaceId = 123;

// Which button binding AddMenuButton fills.
enum ButtonIndex : int {
    IndexMenu = 1,
    IndexMenu2 = 2,
    IndexMenu3 = 3,
    IndexMenu4 = 4,
    IndexMenu5 = 5,
    IndexMenu6 = 6,
    IndexAbout = -1,
    IndexHelp = -3,
};

std::shared_ptr<editor::CommandBarControl> ToolsMenu() {
    return sys::required(FPApp).commandBars().item("Menu Bar").controls().item("Tools");
}

} // namespace

void Connect::ButtonBinding::bind(const std::shared_ptr<editor::CommandBarControl>& button,
                                  void (Connect::*handler)(editor::CommandBarControl&, bool&),
                                  Connect& sink) {
    release();
    if (!button)
        return;
    m_sink =
        button->bindClick([&sink, handler](editor::CommandBarControl& Ctrl, bool& CancelDefault) {
            (sink.*handler)(Ctrl, CancelDefault);
        });
    m_button = button;
}

void Connect::ButtonBinding::release() {
    if (!m_button)
        return;
    sys::tryStep([&] { m_button->unbindClick(m_sink); });
    m_button.reset();
    m_sink = 0;
}

Connect::~Connect() {
    ReleaseBindings();
}

void Connect::OnConnection(editor::Application& Application, editor::ConnectMode,
                           const std::string&) {
    sys::tryStep([&] { FPApp = &Application; });
    sys::tryStep([&] {
        FPE = sys::required(sys::required(FPApp).application().activePageWindow()).document();
    });

    // Each button goes first in the submenu, so the last one added is the top one.
    AddMenuButton("Zirirur Help", 49, IndexHelp);
    AddMenuButton("About Zirirur", 487, IndexAbout);
    AddMenuButton("Insert Form Radio Group", 446, IndexMenu3);
    AddMenuButton("Form Field Manager", 46, IndexMenu4);
    AddMenuButton("Quick Form Components", 240, IndexMenu5);
    AddMenuButton("Remove Form/Form Parts", 1786, IndexMenu6);
    AddMenuButton("Insert Form From Favourites", 139, IndexMenu);
    AddMenuButton("Add Form To Favourites", 137, IndexMenu2);
}

void Connect::OnDisconnection(editor::DisconnectMode) {
    sys::tryStep(
        [&] { sys::required(ToolsMenu()).controls().item(PopupCaption)->deleteControl(); });
    ReleaseBindings();
    sys::tryStep([&] { FPApp = nullptr; });
    sys::tryStep([&] { FPE.reset(); });
}

bool Connect::FPE_onbeforeupdate() {
    return false;
}

void Connect::FPE_onafterupdate() {}

void Connect::AddMenuButton(const std::string& Caption, int FaceId, int Index) {
    // The popup and its buttons are not temporary: the editor may keep them in its stored menu
    // layout, and the next start finds them by caption and binds to them again.
    std::shared_ptr<editor::CommandBarControl> cbMenu;
    sys::tryStep([&] { cbMenu = sys::required(ToolsMenu()).controls().item(PopupCaption); });
    if (!cbMenu) {
        sys::tryStep([&] {
            cbMenu =
                sys::required(ToolsMenu()).controls().add(editor::msoControlPopup, 0, "", 1, false);
        });
        sys::tryStep([&] { sys::required(cbMenu).setBeginGroup(false); });
        sys::tryStep([&] { sys::required(cbMenu).setStyle(editor::msoButtonIconAndCaption); });
        sys::tryStep([&] { sys::required(cbMenu).setCaption(PopupCaption); });
        sys::tryStep([&] { sys::required(cbMenu).setVisible(true); });
        sys::tryStep([&] { sys::required(cbMenu).setFaceId(PopupFaceId); });
    }

    std::shared_ptr<editor::CommandBarControl> cbButton;
    sys::tryStep([&] { cbButton = sys::required(cbMenu).controls().item(Caption); });
    if (!cbButton) {
        sys::tryStep([&] {
            cbButton =
                sys::required(cbMenu).controls().add(editor::msoControlButton, 0, "", 1, false);
        });
        sys::tryStep([&] { sys::required(cbButton).setBeginGroup(false); });
        sys::tryStep([&] { sys::required(cbButton).setStyle(editor::msoButtonIconAndCaption); });
        sys::tryStep([&] { sys::required(cbButton).setCaption(Caption); });
        sys::tryStep([&] { sys::required(cbButton).setVisible(true); });
        sys::tryStep([&] { sys::required(cbButton).setFaceId(FaceId); });
    }

    sys::tryStep([&] {
        void (Connect::*handler)(editor::CommandBarControl&, bool&) = nullptr;
        switch (Index) {
        case IndexMenu:
            handler = &Connect::m_cbbMenu_Click;
            break;
        case IndexMenu2:
            handler = &Connect::m_cbbMenu2_Click;
            break;
        case IndexMenu3:
            handler = &Connect::m_cbbMenu3_Click;
            break;
        case IndexMenu4:
            handler = &Connect::m_cbbMenu4_Click;
            break;
        case IndexMenu5:
            handler = &Connect::m_cbbMenu5_Click;
            break;
        case IndexMenu6:
            handler = &Connect::m_cbbMenu6_Click;
            break;
        case IndexAbout:
            handler = &Connect::m_cbbAbout_Click;
            break;
        case IndexHelp:
            handler = &Connect::m_cbbHelp_Click;
            break;
        default:
            return;
        }
        sys::required(BindingFor(Index)).bind(cbButton, handler, *this);
    });
}

Connect::ButtonBinding* Connect::BindingFor(int Index) {
    switch (Index) {
    case IndexMenu:
        return &m_cbbMenu;
    case IndexMenu2:
        return &m_cbbMenu2;
    case IndexMenu3:
        return &m_cbbMenu3;
    case IndexMenu4:
        return &m_cbbMenu4;
    case IndexMenu5:
        return &m_cbbMenu5;
    case IndexMenu6:
        return &m_cbbMenu6;
    case IndexAbout:
        return &m_cbbAbout;
    case IndexHelp:
        return &m_cbbHelp;
    default:
        return nullptr;
    }
}

void Connect::ReleaseBindings() {
    m_cbbMenu.release();
    m_cbbMenu2.release();
    m_cbbMenu3.release();
    m_cbbMenu4.release();
    m_cbbMenu5.release();
    m_cbbMenu6.release();
    m_cbbHelp.release();
    m_cbbAbout.release();
}

bool Connect::PageIsOpen() const {
    editor::PageWindow* window = sys::required(FPApp).activePageWindow();
    return window != nullptr && window->pageState() == 1;
}

void Connect::OpenTool(ToolDialog dialog, NoPageNotice notice) {
    // A test whose value cannot be had counts as not passed.
    bool pageOpen = false;
    sys::tryStep([&] { pageOpen = PageIsOpen(); });
    if (pageOpen) {
        // A dialog that this build does not have yet opens nothing.
        sys::tryStep([&] { sys::required(Dialogs::instance(dialog)).show(ui::ShowMode::Modal); });
    } else if (notice == NoPageNotice::Message) {
        sys::tryStep([&] {
            ui::msgBox("You must have a page open/saved.", ui::vbOKOnly + ui::vbInformation,
                       ProductTitle);
        });
    }
}

void Connect::m_cbbMenu_Click(editor::CommandBarControl&, bool&) {
    OpenTool(ToolDialog::frmInsertForm, NoPageNotice::Silent);
}

void Connect::m_cbbMenu2_Click(editor::CommandBarControl&, bool&) {
    OpenTool(ToolDialog::frmAddFavForm, NoPageNotice::Message);
}

void Connect::m_cbbMenu3_Click(editor::CommandBarControl&, bool&) {
    OpenTool(ToolDialog::frmRadioGroup, NoPageNotice::Message);
}

void Connect::m_cbbMenu4_Click(editor::CommandBarControl&, bool&) {
    OpenTool(ToolDialog::frmManFields, NoPageNotice::Message);
}

void Connect::m_cbbMenu5_Click(editor::CommandBarControl&, bool&) {
    OpenTool(ToolDialog::frmComps, NoPageNotice::Message);
}

void Connect::m_cbbMenu6_Click(editor::CommandBarControl&, bool&) {
    OpenTool(ToolDialog::frmDel, NoPageNotice::Message);
}

void Connect::m_cbbHelp_Click(editor::CommandBarControl&, bool&) {
    sys::tryStep([&] { ShellOpen(sys::App::path() + "\\Help\\index.htm"); });
}

void Connect::m_cbbAbout_Click(editor::CommandBarControl&, bool&) {
    sys::tryStep([&] {
        sys::required(Dialogs::instance(ToolDialog::AboutTools1)).show(ui::ShowMode::Modal);
    });
}

} // namespace zirirur
