# tekvo_library(name folder deps...): a static library of every source in the folder.
function(tekvo_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARGN})
  target_precompile_headers(${name} PRIVATE <QtCore/QString> <QtCore/QVariant> <QtCore/QList>)
endfunction()

# tekvo_test_suite(name deps...): one test program of every source in the folder, run by
# ctest twice: on SQLite and on the PostgreSQL server named by TEKVO_TEST_PG.
function(tekvo_test_suite name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(test_${name} ${sources})
  target_link_libraries(test_${name} PRIVATE tekvo_testsupport ${ARGN})
  target_precompile_headers(test_${name} PRIVATE <gtest/gtest.h> <QtCore/QString>)
  add_test(NAME ${name}_sqlite COMMAND test_${name})
  set_tests_properties(${name}_sqlite PROPERTIES ENVIRONMENT "TEKVO_TEST_BACKEND=sqlite;QT_QPA_PLATFORM=offscreen")
  add_test(NAME ${name}_postgres COMMAND test_${name})
  set_tests_properties(${name}_postgres PROPERTIES ENVIRONMENT "TEKVO_TEST_BACKEND=postgres;QT_QPA_PLATFORM=offscreen"
                                              SKIP_RETURN_CODE 77)
endfunction()
