# Run by CPack on the staged files of the Debian package: the compiler's version note, a section the
# program never reads, is left out of the packaged program.
execute_process(COMMAND "${CPACK_DAUBERY_OBJCOPY}" --remove-section=.comment "${CPACK_TEMPORARY_DIRECTORY}/usr/games/daubery"
                RESULT_VARIABLE removed)
if(NOT removed EQUAL 0)
  message(FATAL_ERROR "objcopy could not take the .comment section out of the packaged program")
endif()
