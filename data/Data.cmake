# The data folders of the program directory: templates, keyword files, the help page, and the
# empty log and work folders (the logger never creates its folder). The code tips are kept in
# UTF-8 and made into the code page 932 file the program reads.
set(CODETIPS ${DIST}/lexer/_common.ct)
add_custom_command(OUTPUT ${CODETIPS}
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/make_codetips.py
          ${CMAKE_SOURCE_DIR}/data/hsp-codetips-ja.txt ${CODETIPS}
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_codetips.py ${CMAKE_SOURCE_DIR}/data/hsp-codetips-ja.txt
  COMMENT "Making the code tips")
file(GLOB_RECURSE TAMBOREL_DATA CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/template/* ${CMAKE_SOURCE_DIR}/data/lexer/*
     ${CMAKE_SOURCE_DIR}/data/Tamborel.html)
add_custom_target(tamborel_data ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${DIST}/template ${DIST}/lexer ${DIST}/log ${DIST}/work
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data/template ${DIST}/template
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data/lexer ${DIST}/lexer
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/data/Tamborel.html ${DIST}/Tamborel.html
  DEPENDS ${TAMBOREL_DATA} ${CODETIPS}
  COMMENT "Program directory data")
