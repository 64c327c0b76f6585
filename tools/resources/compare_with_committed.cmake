# Runs the generators into a scratch folder and fails when their output differs from the
# files committed in common/resources.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${SONGS} ${WORK} RESULT_VARIABLE songsResult)
execute_process(COMMAND ${PICTURE} ${WORK}/about_picture.png RESULT_VARIABLE pictureResult)
if(NOT songsResult EQUAL 0 OR NOT pictureResult EQUAL 0)
  message(FATAL_ERROR "a generator failed: songs ${songsResult}, picture ${pictureResult}")
endif()
foreach(name main_song.mid about_song.mid about_picture.png)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${name} ${COMMITTED}/${name}
    RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${name} differs from what the generator makes; "
      "build kestrum_regenerate_resources and commit the result")
  endif()
endforeach()
