# The page services, in-process with the editor (the shared platform).
zr_add_test(AModule_tests
    ${CMAKE_CURRENT_SOURCE_DIR}/AModuleTest.cpp
    ${CMAKE_SOURCE_DIR}/tests/fieldmanager/PageSession.cpp
    LIBS zr_services zr_platform)
target_include_directories(AModule_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/fieldmanager)
