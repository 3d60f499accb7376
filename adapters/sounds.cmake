# Our own Turkish recordings in the program folder ("trwav/"), made with the
# espeak-ng Turkish voice by "zelmor-cli sounds build". They are made again
# only when the code that makes them changes.
option(ZELMOR_BUILD_SOUNDS "Make the Turkish speech recordings during the build" ON)
if(ZELMOR_BUILD_SOUNDS)
  file(GLOB ZELMOR_SOUND_MAKER_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/adapters/sound_builder.*
    ${CMAKE_SOURCE_DIR}/adapters/espeak_synth.*
    ${CMAKE_SOURCE_DIR}/adapters/wav_file.*
    ${CMAKE_SOURCE_DIR}/core/speech/pcm.*
    ${CMAKE_SOURCE_DIR}/core/speech/syllables.*
    ${CMAKE_SOURCE_DIR}/core/speech/sound_index.*)
  set(ZELMOR_SOUND_INDEX ${CMAKE_BINARY_DIR}/trwav/abcdhece.txt)
  add_custom_command(
    OUTPUT ${ZELMOR_SOUND_INDEX}
    COMMAND $<TARGET_FILE:zelmor-cli> sounds build --quiet --out ${CMAKE_BINARY_DIR}
    DEPENDS ${ZELMOR_SOUND_MAKER_SOURCES}
    COMMENT "Making the Turkish syllable and word recordings"
    VERBATIM)
  add_custom_target(zelmor_sounds ALL DEPENDS ${ZELMOR_SOUND_INDEX})
  # zelmor-cli is defined after this folder; the order is settled at generation.
  add_dependencies(zelmor_sounds zelmor-cli)
endif()
