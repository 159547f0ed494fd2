# The page test_html exports from an HSP script, opened in headless Chromium: a screenshot for the
# colours and a printed copy for the text. Runs on the host, not under Wine.
find_program(CHROMIUM_PROGRAM chromium)
add_test(NAME html_browser
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/browser_check.py ${CHROMIUM_PROGRAM} ${TEST_OUT}/html-browser)
set_tests_properties(html PROPERTIES FIXTURES_SETUP html_page)
set_tests_properties(html_browser PROPERTIES FIXTURES_REQUIRED html_page TIMEOUT 300)
