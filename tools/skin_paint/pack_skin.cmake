# Packs a painted skin into its archive, its members in the order the
# painter listed them.
#
#   cmake -DSKIN_PACK=... -DSKIN_DIR=... -DARCHIVE=... -P pack_skin.cmake
file(STRINGS ${SKIN_DIR}/members.txt names)
set(members)
foreach(name IN LISTS names)
  list(APPEND members ${SKIN_DIR}/${name})
endforeach()
execute_process(COMMAND ${SKIN_PACK} ${ARCHIVE} ${members} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "skin_pack failed for ${SKIN_DIR}")
endif()
