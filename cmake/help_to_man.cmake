# Writes a manual page from a program's own --help, so the two never disagree.
# cmake -DPROGRAM=path -DNAME=lumetra-cli -DSUMMARY=... -DVERSION=2.6 -DOUTPUT=file -P help_to_man.cmake
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed (${result})")
endif()
# roff: a backslash is written as \e, a hyphen as \-, and a line may not start with . or '.
string(REPLACE "\\" "\\e" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(REPLACE "-" "\\-" name_escaped "${NAME}")
string(TOUPPER "${NAME}" title)
file(WRITE ${OUTPUT}
     ".TH ${title} 1 \"\" \"Lumetra ${VERSION}\" \"User Commands\"\n"
     ".SH NAME\n${name_escaped} \\- ${SUMMARY}\n"
     ".SH DESCRIPTION\n.nf\n${help}.fi\n"
     ".SH SEE ALSO\n.BR lumetra (1)\n")
