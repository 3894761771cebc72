# krn_test(NAME source...) : one QtTest executable, run headless by CTest.
function(krn_test nom)
  qt_add_executable(${nom} ${ARGN})
  target_link_libraries(${nom} PRIVATE krn_fenetres Qt6::Test)
  add_test(NAME ${nom} COMMAND ${nom})
  set_tests_properties(${nom} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;QT_LOGGING_RULES=qt.qpa.*=false"
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()
