#include "platform/sys/Registry.h"

#include "tests/platform/editor/ScratchFolder.h"
#include "tests/platform/sys/ErrorNumber.h"

#include <gtest/gtest.h>

#include <filesystem>

using sys::Registry;

namespace {
const std::string kAddins = "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\FrontPage\\Addins";
const std::string kConnect = kAddins + "\\Zirirur.Connect";
} // namespace

TEST(SysRegistry, KeepsKeysAndValuesAcrossInstances) {
    ScratchFolder dir;
    {
        Registry registry(dir.windows("registry.dat"));
        registry.setText(kConnect, "FriendlyName", "Dedarav Zirirur");
        registry.setText(kConnect, "Description", "Zirirur for Microsoft Frontpage");
        registry.setNumber(kConnect, "LoadBehavior", 3);
        registry.createKey(kAddins + "\\Other.Addin");
    }
    Registry registry(dir.path("registry.dat"));
    EXPECT_EQ(registry.text(kConnect, "FriendlyName"), "Dedarav Zirirur");
    EXPECT_EQ(registry.number(kConnect, "LoadBehavior"), 3u);
    // Names compare without regard to case and keep the spelling they were made with.
    EXPECT_EQ(registry.number("hkey_current_user\\SOFTWARE\\microsoft\\office\\frontpage\\"
                              "addins\\zirirur.connect",
                              "loadbehavior"),
              3u);
    EXPECT_EQ(registry.subKeys(kAddins),
              (std::vector<std::string>{"Other.Addin", "Zirirur.Connect"}));
    EXPECT_EQ(registry.valueNames(kConnect),
              (std::vector<std::string>{"Description", "FriendlyName", "LoadBehavior"}));
    EXPECT_TRUE(registry.keyExists("HKEY_CURRENT_USER\\Software\\Microsoft"));
    EXPECT_FALSE(registry.keyExists(kAddins + "\\Zirirur"));

    // A second instance on the same file sees changes at once and loses none of them.
    Registry other(dir.path("registry.dat"));
    other.setNumber(kConnect, "LoadBehavior", 0);
    registry.setText(kConnect, "Extra", "x");
    EXPECT_EQ(other.text(kConnect, "Extra"), "x");
    EXPECT_EQ(registry.number(kConnect, "LoadBehavior"), 0u);
}

TEST(SysRegistry, StoresAnyTextAndEveryNumber) {
    ScratchFolder dir;
    const std::string awkward = "\"quoted\" [brackets] 100% \\path\\ line\r\nbreak\ttab é€";
    {
        Registry registry(dir.path("r.dat"));
        registry.setText("HKEY_CURRENT_USER\\Odd [key] %41", "na\"me\n", awkward);
        registry.setText("HKEY_CURRENT_USER\\Odd [key] %41", "", "");
        registry.setNumber("HKEY_CURRENT_USER\\Numbers", "max", 0xFFFFFFFFu);
        registry.setNumber("HKEY_CURRENT_USER\\Numbers", "zero", 0);
    }
    Registry registry(dir.path("r.dat"));
    EXPECT_EQ(registry.text("HKEY_CURRENT_USER\\Odd [key] %41", "na\"me\n"), awkward);
    EXPECT_EQ(registry.text("HKEY_CURRENT_USER\\Odd [key] %41", ""), "");
    EXPECT_EQ(registry.number("HKEY_CURRENT_USER\\Numbers", "max"), 0xFFFFFFFFu);
    EXPECT_EQ(registry.number("HKEY_CURRENT_USER\\Numbers", "zero"), 0u);
    EXPECT_EQ(registry.subKeys("HKEY_CURRENT_USER"),
              (std::vector<std::string>{"Numbers", "Odd [key] %41"}));
}

TEST(SysRegistry, DeletesAndRefusesWhatIsMissing) {
    ScratchFolder dir;
    Registry registry(dir.path("r.dat"));
    registry.setNumber(kConnect, "LoadBehavior", 3);
    registry.setText(kConnect + "\\Deeper", "x", "y");
    registry.setText(kAddins + "\\Zirirur.ConnectX", "x", "y"); // a sibling with a longer name

    EXPECT_FALSE(registry.value(kConnect, "Missing").has_value());
    EXPECT_FALSE(registry.value(kAddins + "\\Missing", "x").has_value());
    EXPECT_EQ(errorNumberOf([&] { registry.text(kConnect, "LoadBehavior"); }), 13);
    EXPECT_EQ(errorNumberOf([&] { registry.number(kConnect, "Missing"); }), 5);
    EXPECT_EQ(errorNumberOf([&] { registry.deleteValue(kConnect, "Missing"); }), 5);
    EXPECT_EQ(errorNumberOf([&] { registry.subKeys(kAddins + "\\Missing"); }), 5);
    EXPECT_EQ(errorNumberOf([&] { registry.createKey("\\\\"); }), 5);

    registry.deleteValue(kConnect, "LOADBEHAVIOR");
    EXPECT_TRUE(registry.valueNames(kConnect).empty());
    registry.deleteKey(kConnect);
    EXPECT_FALSE(registry.keyExists(kConnect));
    EXPECT_FALSE(registry.keyExists(kConnect + "\\Deeper"));
    EXPECT_TRUE(registry.keyExists(kAddins + "\\Zirirur.ConnectX"));
    EXPECT_EQ(errorNumberOf([&] { registry.deleteKey(kConnect); }), 5);
    EXPECT_EQ(Registry(dir.path("r.dat")).subKeys(kAddins),
              std::vector<std::string>{"Zirirur.ConnectX"});
}

TEST(SysRegistry, ABadFileGivesAClearErrorNotACrash) {
    ScratchFolder dir;
    auto failure = [](const Registry& registry) -> std::pair<int, std::string> {
        try {
            registry.keyExists("HKEY_CURRENT_USER");
        } catch (const sys::Error& error) {
            return {error.number(), error.description()};
        }
        return {0, ""};
    };

    dir.write("garbage.dat", std::string("\x00\xFF\x01 not a registry", 19));
    auto [number, description] = failure(Registry(dir.path("garbage.dat")));
    EXPECT_EQ(number, sys::ErrRegistryCorrupt);
    EXPECT_NE(description.find("garbage.dat"), std::string::npos) << description;

    for (const char* body :
         {"\"v\" number 1\n", "[K]\n\"v\" number 99999999999\n", "[K]\n\"v\" text \"a%4\"\n",
          "[K]\n\"v\" colour 3\n", "[]\n", "[K]\nstray\n", "[K]\n\"unterminated\n"}) {
        dir.write("bad.dat", std::string("Registry 1\n") + body);
        EXPECT_EQ(failure(Registry(dir.path("bad.dat"))).first, sys::ErrRegistryCorrupt) << body;
    }

    std::filesystem::create_directory(dir.path("folder.dat"));
    EXPECT_EQ(failure(Registry(dir.path("folder.dat"))).first, sys::ErrPathFileAccess);

    dir.write("empty.dat", "");
    EXPECT_EQ(failure(Registry(dir.path("empty.dat"))).first, 0);
    EXPECT_EQ(failure(Registry(dir.path("missing.dat"))).first, 0);
    Registry nowhere(dir.windows("No\\r.dat"));
    EXPECT_EQ(errorNumberOf([&] { nowhere.setNumber("HKEY_CURRENT_USER\\K", "v", 1); }), 76);
}
