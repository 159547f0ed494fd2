# The help page, checked on the host (not under Wine): the page itself against the program's menus,
# and the pictures it shows in the release stage that scripts/package.sh makes.
add_test(NAME help_page
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/help_check.py page
          ${CMAKE_SOURCE_DIR}/data/Tamborel.html ${CMAKE_SOURCE_DIR}/resources/Tamborel.rc)
add_test(NAME help_release
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/help_check.py release
          ${CMAKE_SOURCE_DIR}/data/Tamborel.html ${CMAKE_BINARY_DIR}/../release/stage/win64)
set_tests_properties(help_release PROPERTIES SKIP_RETURN_CODE 77)
