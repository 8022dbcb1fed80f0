#pragma once

#include <functional>
#include <memory>
#include <string>

namespace editor {

class CommandBar;
class CommandBarControl;
class CommandBarControls;

enum ControlType : int { msoControlButton = 1, msoControlPopup = 10 };
enum ButtonStyle : int { msoButtonAutomatic = 0, msoButtonIcon = 1, msoButtonCaption = 2, msoButtonIconAndCaption = 3 };

class CommandBars {
public:
    CommandBar& item(const std::string& name); // "Menu Bar", "Insert"; raises error 5 when none
};

class CommandBar {
public:
    const std::string& name() const;
    CommandBarControls& controls();
};

class CommandBarControls {
public:
    int count() const;
    // Controls are shared: a binding may outlive a deleted control, which is then detached.
    std::shared_ptr<CommandBarControl> item(int index1);               // 1-based; raises when out of range
    std::shared_ptr<CommandBarControl> item(const std::string& caption); // raises error 5 when none
    // Before: 1-based place of the new control (0: at the end). Temporary False controls are
    // kept in the editor's stored menu layout.
    std::shared_ptr<CommandBarControl> add(int type, int id = 0, const std::string& parameter = "", int before = 0,
                           bool temporary = false);
};

class CommandBarControl {
public:
    int type() const;
    const std::string& caption() const;
    void setCaption(const std::string& caption);
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
    int bindClick(std::function<void(CommandBarControl&, bool& cancelDefault)> sink);
    void unbindClick(int binding);
};

} // namespace editor
