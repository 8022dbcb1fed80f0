// The add-in library as the editor sees it: a module with a handful of C entry points.

#include "addin/DllEntryPoints.h"
#include "platform/editor/Application.h"
#include "platform/editor/CommandBars.h"
#include "platform/editor/IDTExtensibility2.h"
#include "platform/sys/Error.h"
#include "platform/sys/Registry.h"
#include "platform/sys/SharedLibrary.h"

#include "tests/platform/sys/ErrorNumber.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class AddInModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_registry = fs::temp_directory_path() /
                     ("zirirur-module-" + std::to_string(::getpid()) + "-" +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove(m_registry);
    }
    void TearDown() override { fs::remove(m_registry); }

    fs::path m_registry;
    sys::SharedLibrary m_library{ZIRIRUR_ADDIN_LIBRARY};
};

TEST_F(AddInModuleTest, ExportsItsEntryPointsAndNothingElse) {
    for (const char* name : {"DllRegisterServer", "DllUnregisterServer", "DllGetClassObject",
                             "DllReleaseObject", "DllCanUnloadNow"})
        EXPECT_NO_THROW(m_library.symbol(name)) << name;
    // The add-in's own classes and variables stay inside the library.
    for (const char* hidden : {"_ZN7zirirur5FPAppE", "_ZN7zirirur7ConnectD0Ev",
                               "_ZN7zirirur12Registration14registerServerERN3sys8RegistryERKNSt7"
                               "__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE"})
        EXPECT_EQ(errorNumberOf([&] { m_library.symbol(hidden); }), 453) << hidden;
}

TEST_F(AddInModuleTest, RegistersAndUnregistersItselfAndGivesErrorsAsNumbers) {
    auto* registerServer = m_library.function<int(const char*)>("DllRegisterServer");
    auto* unregisterServer = m_library.function<int(const char*)>("DllUnregisterServer");
    // The entries themselves are the registration's and the host's tests.
    ASSERT_EQ(registerServer(m_registry.c_str()), 0);
    sys::Registry registry(m_registry.string());
    EXPECT_TRUE(registry.keyExists("HKEY_CLASSES_ROOT\\Zirirur.Connect"));
    ASSERT_EQ(unregisterServer(m_registry.c_str()), 0);
    EXPECT_FALSE(registry.keyExists("HKEY_CLASSES_ROOT\\Zirirur.Connect"));

    // Errors come back as numbers, never as a crash.
    EXPECT_EQ(registerServer(nullptr), sys::ErrInvalidCall);
    EXPECT_NE(registerServer("/proc/no/such/folder/registry"), 0);
    fs::remove(m_registry);
    fs::create_directories(m_registry);
    EXPECT_NE(registerServer(m_registry.c_str()), 0);
    fs::remove(m_registry);
}

TEST_F(AddInModuleTest, ServesTheAddInClassWhichConnectsToTheEditor) {
    auto* create = m_library.function<editor::IDTExtensibility2*(const char*)>("DllGetClassObject");
    auto* release = m_library.function<void(editor::IDTExtensibility2*)>("DllReleaseObject");
    auto* canUnloadNow = m_library.function<int()>("DllCanUnloadNow");

    EXPECT_EQ(create("Zirirur.AZColorBox"), nullptr); // not served through this interface
    EXPECT_EQ(create("Other.Connect"), nullptr);
    EXPECT_EQ(create(nullptr), nullptr);

    // The registry keeps a key's spelling as whoever made it wrote it, and finds it in any case:
    // the class answers to its name and id in any case too.
    for (const char* spelling : {"{6D1A7C3E-2B54-4F0A-9C8E-5A3B1D2E7F01}", "zirirur.connect",
                                 "ZIRIRUR.CONNECT", "{6d1a7c3e-2b54-4f0a-9c8e-5a3b1d2e7f01}"}) {
        editor::IDTExtensibility2* object = create(spelling);
        EXPECT_NE(object, nullptr) << spelling;
        release(object);
    }
    EXPECT_EQ(create("Zirirur.Connec"), nullptr);

    editor::IDTExtensibility2* addIn = create("Zirirur.Connect");
    ASSERT_NE(addIn, nullptr);
    EXPECT_NE(canUnloadNow(), 0);
    {
        // Errors raised by the editor inside the library are handled inside the library.
        editor::Application app;
        addIn->OnConnection(app, editor::ConnectMode::Startup, "Zirirur.Connect");
        auto tools = app.commandBars().item("Menu Bar").controls().item("Tools");
        EXPECT_EQ(tools->controls().item(1)->caption(), "Zirirur");
        EXPECT_EQ(tools->controls().item(1)->controls().count(), 8);
        addIn->OnDisconnection(editor::DisconnectMode::HostShutdown);
        EXPECT_NE(tools->controls().item(1)->caption(), "Zirirur");
    }
    release(addIn);
    EXPECT_EQ(canUnloadNow(), 0);
}

} // namespace
