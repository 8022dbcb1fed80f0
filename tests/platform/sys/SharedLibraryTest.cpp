#include "platform/sys/SharedLibrary.h"

#include "tests/platform/sys/ErrorNumber.h"

#include <gtest/gtest.h>

using sys::SharedLibrary;

TEST(SysSharedLibrary, LoadsCallsAndReportsTheLoadersErrors) {
    SharedLibrary math("libm.so.6");
    auto* cosine = math.function<double(double)>("cos");
    EXPECT_EQ(cosine(0.0), 1.0);

    try {
        math.symbol("zr_no_such_symbol");
        ADD_FAILURE() << "no error";
    } catch (const sys::Error& error) {
        EXPECT_EQ(error.number(), sys::ErrEntryPointNotFound);
        EXPECT_NE(error.description().find("zr_no_such_symbol"), std::string::npos);
    }
    try {
        SharedLibrary missing("C:\\zr-none\\libaddin.so");
        ADD_FAILURE() << "no error";
    } catch (const sys::Error& error) {
        EXPECT_EQ(error.number(), sys::ErrLoadingLibrary);
        EXPECT_NE(error.description().find("/zr-none/libaddin.so"), std::string::npos)
            << error.description();
    }

    SharedLibrary moved = std::move(math);
    EXPECT_TRUE(moved.isOpen());
    EXPECT_FALSE(math.isOpen()); // NOLINT(bugprone-use-after-move): the move empties it
    moved.close();
    EXPECT_EQ(errorNumberOf([&] { moved.symbol("cos"); }), sys::ErrObjectVariableNotSet);
}
