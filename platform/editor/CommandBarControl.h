#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace editor {

class CommandBars;
class CommandBarControls;

enum ControlType : int { msoControlButton = 1, msoControlPopup = 10 };
enum ButtonStyle : int {
    msoButtonAutomatic = 0,
    msoButtonIcon = 1,
    msoButtonCaption = 2,
    msoButtonIconAndCaption = 3
};

// Whether a control belongs to the editor's stored menu layout (it comes back at the next
// start) or lives only until the editor ends.
enum class Lifetime { Stored, Temporary };

// A button or a popup of a command bar.
class CommandBarControl : public std::enable_shared_from_this<CommandBarControl> {
public:
    using ClickSink = std::function<void(CommandBarControl&, bool& cancelDefault)>;

    // Made by CommandBarControls::add.
    CommandBarControl(int type, int id, std::string parameter, Lifetime lifetime,
                      CommandBars* bars);
    ~CommandBarControl();
    CommandBarControl(const CommandBarControl&) = delete;
    CommandBarControl& operator=(const CommandBarControl&) = delete;

    int type() const;
    const std::string& caption() const;
    void setCaption(const std::string& caption);
    // A popup has no icon and no button style: it refuses FaceId and Style (error 438).
    int faceId() const;
    void setFaceId(int faceId);
    int style() const;
    void setStyle(int style);
    bool beginGroup() const;
    void setBeginGroup(bool beginGroup);
    bool visible() const;
    void setVisible(bool visible);
    CommandBarControls& controls(); // a popup's controls; raises on a button
    void deleteControl();           // removes it, with its children; raises when already detached
    void execute();                 // as if the user chose it

    // The button's Click event: several sinks may be bound; each gets the control and
    // CancelDefault by reference. Unbinding by the number bind gave.
    int bindClick(ClickSink sink);
    void unbindClick(int binding);

    // Host side.
    int id() const { return m_id; } // a built-in command's number, 0 for the add-ins' own
    const std::string& parameter() const { return m_parameter; }
    Lifetime lifetime() const { return m_lifetime; }
    // Still in a command bar (neither it nor a popup above it was deleted).
    bool attached() const;

private:
    friend class CommandBarControls;

    void requireAttached() const;
    void requireButtonSettings() const;
    void changed();

    int m_type = msoControlButton;
    int m_id = 0;
    std::string m_parameter;
    Lifetime m_lifetime = Lifetime::Stored;
    std::string m_caption;
    int m_faceId = 0;
    int m_style = msoButtonAutomatic;
    bool m_beginGroup = false;
    bool m_visible = true;
    CommandBarControls* m_parent = nullptr;         // none once deleted
    std::unique_ptr<CommandBarControls> m_controls; // popups only
    std::vector<std::pair<int, ClickSink>> m_sinks;
    int m_nextBinding = 1;
};

} // namespace editor
