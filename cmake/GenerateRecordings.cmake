# Makes the game's recordings from assets/sounds/recordings.txt, and the
# resource file that builds them into the program. Run as:
#   cmake -DTABLE=... -DOUT_DIR=... -DFLITE=... -DSOX=... -P GenerateRecordings.cmake
cmake_minimum_required(VERSION 3.22)
file(MAKE_DIRECTORY ${OUT_DIR}/raw)
file(STRINGS ${TABLE} lines REGEX "^WAVE_")

# The caller's voice: flite's rms, a clear American man, 15% quicker than his
# own pace so that a draw keeps moving. flite speaks at 16 kHz.
set(voice ${FLITE} -voice rms --setf duration_stretch=0.85)
# sox in its repeatable mode: the dither of the reduction to 8 bits and the
# noise behind every pluck come from a fixed seed, so that two builds make
# the same recordings, byte for byte.
set(sox ${SOX} -R)
# The chime before a win: a bright rising arpeggio.
set(chime_rate 22050)
set(chime_wav ${OUT_DIR}/raw/chime.wav)
execute_process(COMMAND ${sox} -n -r ${chime_rate} -c 1 -b 16 ${chime_wav}
                  synth 0.9 pluck C5 pluck E5 pluck G5 pluck C6 delay 0 0.09 0.18 0.27
                  remix - fade q 0.005 0.9 0.5 gain -3
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "sox could not make the chime")
endif()

set(qrc "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/sounds\">\n")
set(count 0)
foreach(line ${lines})
  string(REGEX MATCH "^(WAVE_[0-9]+) *\\| *([0-9]+) *\\| *([a-z+]+) *\\| *(.*)$" matched "${line}")
  if(NOT matched)
    message(FATAL_ERROR "recordings.txt: cannot read the line '${line}'")
  endif()
  set(name ${CMAKE_MATCH_1})
  set(rate ${CMAKE_MATCH_2})
  set(how ${CMAKE_MATCH_3})
  string(STRIP "${CMAKE_MATCH_4}" what)
  set(raw ${OUT_DIR}/raw/${name}.wav)
  set(spoken ${OUT_DIR}/raw/${name}-spoken.wav)

  if(how STREQUAL "tone")
    separate_arguments(chain UNIX_COMMAND "${what}")
    execute_process(COMMAND ${sox} -n -r 22050 -c 1 -b 16 ${raw} ${chain} RESULT_VARIABLE failed)
    # A tone is already as long as it should be.
    set(trim "")
  elseif(how STREQUAL "voice" OR how STREQUAL "chime+voice")
    execute_process(COMMAND ${voice} -t "${what}" -o ${spoken} RESULT_VARIABLE failed)
    if(NOT failed AND how STREQUAL "chime+voice")
      # sox joins only recordings of one rate: the voice is brought to the chime's.
      set(resampled ${OUT_DIR}/raw/${name}-resampled.wav)
      execute_process(COMMAND ${sox} ${spoken} -r ${chime_rate} ${resampled} RESULT_VARIABLE failed)
      if(NOT failed)
        execute_process(COMMAND ${sox} ${chime_wav} ${resampled} ${raw} RESULT_VARIABLE failed)
      endif()
    elseif(NOT failed)
      file(RENAME ${spoken} ${raw})
    endif()
    # The voice without the silences around it, and a short breath after it,
    # so that the calls come at an even pace.
    set(trim silence 1 0.005 0.3% reverse silence 1 0.005 0.3% reverse pad 0.02 0.12 rate ${rate})
  else()
    message(FATAL_ERROR "recordings.txt: ${name} is made by '${how}', which is unknown")
  endif()
  if(failed)
    message(FATAL_ERROR "could not make ${name} (${how}: ${what})")
  endif()

  execute_process(COMMAND ${sox} ${raw} -r ${rate} -c 1 -b 8 -e unsigned-integer
                          ${OUT_DIR}/${name}.wav ${trim} norm -1
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "could not convert ${name}")
  endif()
  string(APPEND qrc "  <file alias=\"${name}\">${name}.wav</file>\n")
  math(EXPR count "${count} + 1")
endforeach()
string(APPEND qrc "</qresource>\n</RCC>\n")
file(WRITE ${OUT_DIR}/recordings.qrc "${qrc}")
file(REMOVE_RECURSE ${OUT_DIR}/raw)
message(STATUS "Made ${count} recordings")
