# Copies the game's data beside the executable: res/, levels/ and
# tracklist.xml, each when the source has it, each replacing the old copy.
#   cmake -DSOURCE_DIR=<repository> -DSTAGE_DIR=<stage> -P stage.cmake
foreach(folder res levels)
  file(REMOVE_RECURSE ${STAGE_DIR}/${folder})
  if(IS_DIRECTORY ${SOURCE_DIR}/${folder})
    file(COPY ${SOURCE_DIR}/${folder} DESTINATION ${STAGE_DIR})
  endif()
endforeach()
file(REMOVE ${STAGE_DIR}/tracklist.xml)
if(EXISTS ${SOURCE_DIR}/tracklist.xml)
  file(COPY ${SOURCE_DIR}/tracklist.xml DESTINATION ${STAGE_DIR})
endif()
