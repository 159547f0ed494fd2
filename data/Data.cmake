# The data folders of the program directory: templates, keyword files, the help page, and the
# empty log and work folders (the logger never creates its folder).
file(GLOB_RECURSE TAMBOREL_DATA CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/template/* ${CMAKE_SOURCE_DIR}/data/lexer/*
     ${CMAKE_SOURCE_DIR}/data/Tamborel.html)
add_custom_target(tamborel_data ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${DIST}/template ${DIST}/lexer ${DIST}/log ${DIST}/work
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data/template ${DIST}/template
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data/lexer ${DIST}/lexer
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/data/Tamborel.html ${DIST}/Tamborel.html
  DEPENDS ${TAMBOREL_DATA}
  COMMENT "Program directory data")
