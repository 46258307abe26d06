# wxWidgets as an imported interface target. CMake 3.25 ships no imported wx target and
# Debian ships no wx CMake config, so wrap what FindwxWidgets reports.
find_package(wxWidgets 3.2 REQUIRED COMPONENTS core base)

add_library(wx_interface INTERFACE)
target_include_directories(wx_interface SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(wx_interface INTERFACE ${wxWidgets_DEFINITIONS})
target_compile_options(wx_interface INTERFACE ${wxWidgets_CXX_FLAGS})
target_link_libraries(wx_interface INTERFACE ${wxWidgets_LIBRARIES})
add_library(wx::wx ALIAS wx_interface)
