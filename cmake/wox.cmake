# One static library per subsystem folder; sources are globbed so a new
# class only needs its header/source pair in the folder.
function(wox_add_subsystem name)
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/${name}/*.cpp ${CMAKE_SOURCE_DIR}/${name}/*.h)
  # main.cpp is the program itself, not part of the shell library.
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  if(NOT sources)
    set(sources ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(wox_${name} STATIC ${sources})
  # The ui_*.h headers generated from forms/ are included by the library's
  # headers, so users of the library need the generated folder as well.
  target_include_directories(wox_${name} PUBLIC ${CMAKE_SOURCE_DIR}/${name}
                             ${CMAKE_BINARY_DIR}/wox_${name}_autogen/include)
  target_link_libraries(wox_${name} PUBLIC ${ARGN})
endfunction()

# Every tests/<subsystem>/tst_<topic>.cpp is one Qt Test executable run by
# CTest; each makes its own private home and runs offscreen by itself.
function(wox_add_tests subsystem)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${subsystem}/tst_*.cpp)
  foreach(src ${tests})
    get_filename_component(topic ${src} NAME_WE)
    set(target ${subsystem}_${topic})
    add_executable(${target} ${src})
    target_link_libraries(${target} PRIVATE wox_${subsystem} wox_testsupport
                          wox_resources Qt5::Test)
    # The sanitizer runtimes find the settings compiled into the test only
    # among the executable's exported symbols.
    set_target_properties(${target} PROPERTIES ENABLE_EXPORTS ON)
    add_test(NAME ${target} COMMAND ${target})
    # The same functions reversed, and each twice in one process, from an
    # empty working folder: none may lean on another or leave anything there.
    add_test(NAME ${target}_any_order
             COMMAND sh ${CMAKE_SOURCE_DIR}/tests/any-order.sh $<TARGET_FILE:${target}>)
    # A hang fails at once instead of stalling the whole run. The decoy home
    # stands for the user's own: the test must leave it as it found it.
    set_tests_properties(${target} ${target}_any_order PROPERTIES TIMEOUT 120 FIXTURES_REQUIRED decoy
      ENVIRONMENT "HOME=${CMAKE_BINARY_DIR}/decoy/home;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/decoy/home/.config")
  endforeach()
endfunction()

# Embeds files that the build writes into the current binary folder (paths
# relative to it) under the resource prefix "/system". The .qrc is rewritten
# only when its text changes, so an unchanged tree compiles nothing again.
function(wox_add_generated_qrc name)
  set(text "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/system\">\n")
  foreach(file ${ARGN})
    string(APPEND text "    <file>${file}</file>\n")
  endforeach()
  string(APPEND text "</qresource>\n</RCC>\n")
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.qrc.new "${text}")
  configure_file(${CMAKE_CURRENT_BINARY_DIR}/${name}.qrc.new
                 ${CMAKE_CURRENT_BINARY_DIR}/${name}.qrc COPYONLY)
  qt5_add_resources(rcc_source ${CMAKE_CURRENT_BINARY_DIR}/${name}.qrc)
  set(WOX_GENERATED_QRC ${WOX_GENERATED_QRC} ${rcc_source} PARENT_SCOPE)
endfunction()
