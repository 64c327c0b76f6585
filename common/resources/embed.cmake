# Turns each data file of this folder into a C++ byte array compiled into kestrum_common,
# so every program linking it carries its own copy.
set(KESTRUM_EMBEDDED
  "mainSong main_song.mid"
  "aboutSong about_song.mid"
  "aboutPicture about_picture.png")

foreach(entry ${KESTRUM_EMBEDDED})
  separate_arguments(parts UNIX_COMMAND "${entry}")
  list(GET parts 0 function)
  list(GET parts 1 file)
  set(input ${CMAKE_CURRENT_LIST_DIR}/${file})
  set(output ${CMAKE_CURRENT_BINARY_DIR}/embedded/${function}.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DFUNCTION=${function}
            -P ${CMAKE_CURRENT_LIST_DIR}/embed_file.cmake
    DEPENDS ${input} ${CMAKE_CURRENT_LIST_DIR}/embed_file.cmake
    COMMENT "Embedding ${file}"
    VERBATIM)
  target_sources(kestrum_common PRIVATE ${output})
endforeach()
