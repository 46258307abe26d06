# Compiles resource files into the binary: each file becomes a `const char NAME[]` holding
# its text, so the program runs from any folder without looking for image files.
function(tarnel_embed_text target)
  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/embedded)
  file(MAKE_DIRECTORY ${out_dir})
  foreach(src IN LISTS ARGN)
    get_filename_component(abs ${src} ABSOLUTE)
    get_filename_component(stem ${src} NAME_WE)
    string(MAKE_C_IDENTIFIER "${stem}" ident)
    set(out ${out_dir}/${ident}.inc)
    add_custom_command(
      OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -DIN=${abs} -DOUT=${out} -DNAME=${ident}
              -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
      DEPENDS ${abs} ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
      VERBATIM)
    target_sources(${target} PRIVATE ${out})
  endforeach()
  target_include_directories(${target} PRIVATE ${out_dir})
endfunction()
