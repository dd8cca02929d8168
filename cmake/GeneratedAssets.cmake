# Data the build makes from the sources under assets/.

# The 103 recordings: spoken by flite and synthesised by sox from the one
# table of what each says or sounds like, then built into the program as Qt
# resources (":/sounds/WAVE_n"). They are made again only when the table or
# the script that reads it changes.
find_program(FLITE flite REQUIRED)
find_program(SOX sox REQUIRED)
set(RECORDINGS_TABLE ${CMAKE_SOURCE_DIR}/assets/sounds/recordings.txt)
set(RECORDINGS_DIR ${CMAKE_BINARY_DIR}/recordings)
add_custom_command(
  OUTPUT ${RECORDINGS_DIR}/recordings.qrc
  COMMAND ${CMAKE_COMMAND} -DTABLE=${RECORDINGS_TABLE} -DOUT_DIR=${RECORDINGS_DIR}
          -DFLITE=${FLITE} -DSOX=${SOX} -P ${CMAKE_SOURCE_DIR}/cmake/GenerateRecordings.cmake
  DEPENDS ${RECORDINGS_TABLE} ${CMAKE_SOURCE_DIR}/cmake/GenerateRecordings.cmake
  COMMENT "Speaking and synthesising the recordings")
# rcc writes each file's modification time into the program; a fixed time
# keeps the recordings built into it the same from one build to the next.
add_custom_command(
  OUTPUT ${RECORDINGS_DIR}/qrc_recordings.cpp
  COMMAND ${CMAKE_COMMAND} -E env QT_RCC_SOURCE_DATE_OVERRIDE=1
          $<TARGET_FILE:Qt6::rcc> --name recordings --output ${RECORDINGS_DIR}/qrc_recordings.cpp
          ${RECORDINGS_DIR}/recordings.qrc
  DEPENDS ${RECORDINGS_DIR}/recordings.qrc
  COMMENT "Building the recordings into the program")
set_source_files_properties(${RECORDINGS_DIR}/qrc_recordings.cpp PROPERTIES SKIP_AUTOGEN ON)
target_sources(velloro_devices PRIVATE ${RECORDINGS_DIR}/qrc_recordings.cpp)

# The background music, written by the tool; scripts/prepare-play puts it in play/.
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/Keno.Mid
  COMMAND velloro-tool music make --out ${CMAKE_BINARY_DIR}/Keno.Mid
  DEPENDS velloro-tool
  COMMENT "Writing the background music")
add_custom_target(background_music ALL DEPENDS ${CMAKE_BINARY_DIR}/Keno.Mid)
