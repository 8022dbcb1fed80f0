zr_add_test(modText_tests
    ${CMAKE_CURRENT_SOURCE_DIR}/modTextTest.cpp
    LIBS zr_sys zr_services
)
