# One static library per source folder; every .cpp of the folder (and of its
# sub-folders, for platform/) belongs to it.
function(vorn_library name)
  cmake_parse_arguments(ARG "" "" "DIRS;LINKS;RESOURCES" ${ARGN})
  set(sources)
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
    list(APPEND sources ${found})
  endforeach()
  add_library(${name} STATIC ${sources} ${ARG_RESOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  target_compile_options(${name} PRIVATE -Wall -Wextra -Wno-missing-field-initializers)
  target_precompile_headers(${name} REUSE_FROM vorn_pch)
endfunction()

# A test folder: every tst_*.cpp is one Qt Test executable registered with CTest,
# run off-screen with a fixed locale.
function(vorn_tests folder)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  foreach(src IN LISTS tests)
    get_filename_component(base ${src} NAME_WE)
    set(target ${folder}_${base})
    add_executable(${target} ${src})
    target_link_libraries(${target} PRIVATE vorn_testsupport ${ARG_LINKS} Qt6::Test)
    target_precompile_headers(${target} REUSE_FROM vorn_pch)
    add_test(NAME ${folder}/${base} COMMAND ${target})
    set_tests_properties(${folder}/${base} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8;TZ=Europe/Budapest"
      TIMEOUT 300)
  endforeach()
endfunction()
