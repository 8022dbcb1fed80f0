#include "addin/Registration.h"
#include "platform/sys/Registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using zirirur::Registration;

class RegistrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_file = fs::temp_directory_path() /
                 ("zirirur-registration-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove(m_file);
    }
    void TearDown() override { fs::remove(m_file); }

    // The library serving a class, found the way the editor finds it: class name, class id,
    // then the in-process server key.
    static std::string serverOf(sys::Registry& registry, const std::string& progId) {
        const std::string classId = registry.text("HKEY_CLASSES_ROOT\\" + progId + "\\CLSID", "");
        return registry.text("HKEY_CLASSES_ROOT\\CLSID\\" + classId + "\\InprocServer32", "");
    }

    fs::path m_file;
};

TEST_F(RegistrationTest,
       WritesTheEditorEntryBothClassesAndTheTypeLibraryAndRegisteringAgainMovesThem) {
    sys::Registry registry(m_file.string());
    Registration::registerServer(registry, "/opt/zirirur/zirirur_addin.so");

    const std::string addin =
        "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\FrontPage\\Addins\\Zirirur.Connect";
    EXPECT_EQ(registry.text(addin, "FriendlyName"), "Dedarav Zirirur");
    EXPECT_EQ(registry.text(addin, "Description"), "Zirirur for Microsoft Frontpage");
    EXPECT_EQ(registry.number(addin, "LoadBehavior"), 3u);

    EXPECT_EQ(serverOf(registry, "Zirirur.Connect"), "/opt/zirirur/zirirur_addin.so");
    EXPECT_EQ(serverOf(registry, "Zirirur.AZColorBox"), "/opt/zirirur/zirirur_addin.so");
    EXPECT_NE(registry.text("HKEY_CLASSES_ROOT\\Zirirur.Connect\\CLSID", ""),
              registry.text("HKEY_CLASSES_ROOT\\Zirirur.AZColorBox\\CLSID", ""));
    EXPECT_EQ(registry.text(Registration::typeLibKey() + "\\1.0", ""), "Zirirur For MS Frontpage");

    // A second instance on the same file sees it all: the editor reads it in its own process.
    sys::Registry again(m_file.string());
    EXPECT_EQ(again.subKeys("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\FrontPage\\Addins"),
              std::vector<std::string>{"Zirirur.Connect"});

    // Registering again moves the classes to the new library and adds no editor values.
    Registration::registerServer(registry, "/new/zirirur_addin.so");
    EXPECT_EQ(serverOf(registry, "Zirirur.Connect"), "/new/zirirur_addin.so");
    EXPECT_EQ(serverOf(registry, "Zirirur.AZColorBox"), "/new/zirirur_addin.so");
    EXPECT_EQ(registry.valueNames(addin).size(), 3u);
}

TEST_F(RegistrationTest, UnregisteringRemovesEverythingAndToleratesMissingEntries) {
    sys::Registry registry(m_file.string());
    // Something else registered for the editor stays.
    registry.setNumber(std::string(Registration::EditorAddinsKey) + "\\Other.Addin", "LoadBehavior",
                       3);
    Registration::registerServer(registry, "/opt/zirirur_addin.so");
    Registration::unregisterServer(registry);

    EXPECT_FALSE(registry.keyExists(Registration::editorAddinKey()));
    EXPECT_FALSE(registry.keyExists("HKEY_CLASSES_ROOT\\Zirirur.Connect"));
    EXPECT_FALSE(registry.keyExists("HKEY_CLASSES_ROOT\\Zirirur.AZColorBox"));
    EXPECT_FALSE(registry.keyExists(Registration::classIdKey(Registration::ConnectClassId)));
    EXPECT_FALSE(registry.keyExists(Registration::typeLibKey()));
    EXPECT_TRUE(registry.keyExists(std::string(Registration::EditorAddinsKey) + "\\Other.Addin"));

    EXPECT_NO_THROW(Registration::unregisterServer(registry));
}

} // namespace
