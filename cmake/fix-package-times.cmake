# Run by CPack on the staged files before it archives them: with
# SOURCE_DATE_EPOCH set, every staged file and folder takes that time, so
# that two builds of one commit archive the same bytes.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    return()
endif()
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
execute_process(
    COMMAND touch --no-dereference --date "@$ENV{SOURCE_DATE_EPOCH}" "${CPACK_TEMPORARY_DIRECTORY}" ${staged}
    COMMAND_ERROR_IS_FATAL ANY)
