# Fails when a text of the window is missing from the committed Hebrew
# translation or left unfinished there. lupdate, run over the sources into a
# copy of the committed file, marks both kinds "unfinished".
# Run with -DLUPDATE=<lupdate> -DSOURCE=<source tree> -DWORK=<scratch folder>.

set(Committed ${SOURCE}/translations/mirvane_he.ts)
set(Copy ${WORK}/mirvane_he.ts)
file(MAKE_DIRECTORY ${WORK})
file(COPY_FILE ${Committed} ${Copy})
execute_process(
    COMMAND ${LUPDATE} -silent -I ${SOURCE} -no-obsolete -locations none
            ${SOURCE}/ui ${SOURCE}/widgets ${SOURCE}/grid -ts ${Copy}
    RESULT_VARIABLE Result
    ERROR_VARIABLE Errors)
if(NOT Result EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${Errors}")
endif()

file(READ ${Copy} Text)
string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation type=\"unfinished\"" Unfinished "${Text}")
if(Unfinished)
    list(LENGTH Unfinished Count)
    string(REGEX REPLACE "<translation type=\"unfinished\"|[\r\n]+[ \t]*" "" Sources "${Unfinished}")
    message(FATAL_ERROR "${Count} texts not translated in ${Committed}:\n${Sources}")
endif()
