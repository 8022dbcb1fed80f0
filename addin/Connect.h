#pragma once

#include "platform/editor/IDTExtensibility2.h"

#include <memory>
#include <string>

namespace dom {
class Document;
}
namespace editor {
class CommandBarControl;
}

namespace zirirur {

enum class ToolDialog;

// The add-in class the editor creates and connects: it keeps the editor's Application, builds
// the "Zirirur" submenu of the Tools menu and opens the tools from its buttons' Click events.
class Connect : public editor::IDTExtensibility2 {
public:
    Connect() = default;
    ~Connect() override;
    Connect(const Connect&) = delete;
    Connect& operator=(const Connect&) = delete;

    void OnConnection(editor::Application& Application, editor::ConnectMode ConnectMode,
                      const std::string& AddInInst) override;
    void OnDisconnection(editor::DisconnectMode RemoveMode) override;
    void OnAddInsUpdate() override {}
    void OnStartupComplete() override {}
    void OnBeginShutdown() override {}

    // The page document's events. Our page document raises no events of its own, so these are
    // reached only by whoever holds the bound document.
    bool FPE_onbeforeupdate();
    void FPE_onafterupdate();

    // The document bound at connection; empty when no page was open then.
    std::shared_ptr<dom::Document> boundDocument() const { return FPE; }

private:
    // One button's Click event, bound to a handler of this class.
    class ButtonBinding {
    public:
        ButtonBinding() = default;
        ~ButtonBinding() { release(); }
        ButtonBinding(const ButtonBinding&) = delete;
        ButtonBinding& operator=(const ButtonBinding&) = delete;

        void bind(const std::shared_ptr<editor::CommandBarControl>& button,
                  void (Connect::*handler)(editor::CommandBarControl&, bool&), Connect& sink);
        void release();

    private:
        std::shared_ptr<editor::CommandBarControl> m_button;
        int m_sink = 0;
    };

    // Whether the menu shows a message when a tool command finds no page open.
    enum class NoPageNotice { Message, Silent };

    void AddMenuButton(const std::string& Caption, int FaceId, int Index);
    ButtonBinding* BindingFor(int Index);
    void ReleaseBindings();
    bool PageIsOpen() const;
    void OpenTool(ToolDialog dialog, NoPageNotice notice);

    void m_cbbMenu_Click(editor::CommandBarControl& Ctrl, bool& CancelDefault);
    void m_cbbMenu2_Click(editor::CommandBarControl& Ctrl, bool& CancelDefault);
    void m_cbbMenu3_Click(editor::CommandBarControl& Ctrl, bool& CancelDefault);
    void m_cbbMenu4_Click(editor::CommandBarControl& Ctrl, bool& CancelDefault);
    void m_cbbMenu5_Click(editor::CommandBarControl& Ctrl, bool& CancelDefault);
    void m_cbbMenu6_Click(editor::CommandBarControl& Ctrl, bool& CancelDefault);
    void m_cbbHelp_Click(editor::CommandBarControl& Ctrl, bool& CancelDefault);
    void m_cbbAbout_Click(editor::CommandBarControl& Ctrl, bool& CancelDefault);

    std::shared_ptr<dom::Document> FPE;
    ButtonBinding m_cbbMenu;
    ButtonBinding m_cbbMenu2;
    ButtonBinding m_cbbMenu3;
    ButtonBinding m_cbbMenu4;
    ButtonBinding m_cbbMenu5;
    ButtonBinding m_cbbMenu6;
    ButtonBinding m_cbbHelp;
    ButtonBinding m_cbbAbout;
};

} // namespace zirirur
