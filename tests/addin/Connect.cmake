# The add-in class, its menu and dialogs, and its registration, in-process with the editor.
zr_add_test(ConnectTest
    ${CMAKE_CURRENT_SOURCE_DIR}/ConnectTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/RegistrationTest.cpp
    LIBS zr_addin zr_platform)
