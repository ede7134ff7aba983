# SPDX-FileCopyrightText: 2026 The Tavrin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes a help2man include file with a COMMANDS section: the --help of each
# subcommand that `tavrin-cli --help` lists, so that the man page shows every
# command's arguments and options as the program has them.
#   cmake -DCLI=<tavrin-cli> -DOUTPUT=<file> -P CliCommands.cmake

function(help_of out)
  execute_process(COMMAND "${CLI}" ${ARGN} --help
                  OUTPUT_VARIABLE text RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${CLI} ${ARGN} --help failed (${result}): ${errors}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

help_of(overview)
string(FIND "${overview}" "\nSubcommands:\n" at)
if(at GREATER -1)
  string(SUBSTRING "${overview}" ${at} -1 listing)
  # One subcommand a line, indented by two spaces; longer indents continue a line.
  string(REGEX MATCHALL "\n  [a-z][a-z0-9-]*" names "${listing}")
endif()
if(NOT names)
  message(FATAL_ERROR "${CLI} --help lists no subcommands:\n${overview}")
endif()

set(section "[COMMANDS]\n")
foreach(name IN LISTS names)
  string(STRIP "${name}" name)
  help_of(text ${name})
  # Shown as printed: backslashes and line-leading dots are roff's own.
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  string(APPEND section ".SS ${name}\n.nf\n${text}.fi\n")
endforeach()
file(WRITE "${OUTPUT}" "${section}")
