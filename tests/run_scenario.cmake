# Runs one scripted session and compares what it printed with the transcript.
# A script that names @DIR@ gets a fresh folder for it (WORK), holding a copy
# of the files in NAME.files next to the script when there is one; the folder
# reads @DIR@ again in what was printed, and each local time with its offset
# reads @TIME@. A NAME.py next to the script then checks the folder:
# python3 NAME.py FOLDER SCENARIO-FOLDER.
get_filename_component(name ${SCRIPT} NAME_WE)
get_filename_component(dir ${SCRIPT} DIRECTORY)
file(READ ${SCRIPT} template)
set(run ${SCRIPT})
if(template MATCHES "@DIR@")
  file(REMOVE_RECURSE ${WORK})
  file(MAKE_DIRECTORY ${WORK})
  if(IS_DIRECTORY ${dir}/${name}.files)
    file(COPY ${dir}/${name}.files/ DESTINATION ${WORK})
  endif()
  string(REPLACE "@DIR@" "${WORK}" script "${template}")
  set(run ${WORK}.script)
  file(WRITE ${run} "${script}")
endif()
execute_process(COMMAND ${TOOL} ${run}
                OUTPUT_VARIABLE actual RESULT_VARIABLE status)
if(template MATCHES "@DIR@")
  string(REPLACE "${WORK}" "@DIR@" actual "${actual}")
endif()
string(REGEX REPLACE "[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]T[0-9][0-9]:[0-9][0-9]:[0-9][0-9][+-][0-9][0-9]:[0-9][0-9]"
       "@TIME@" actual "${actual}")
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "transcript differs for ${SCRIPT}\n--- expected\n${expected}--- actual\n${actual}")
endif()
string(FIND "${expected}" "error " has_error)
if(has_error EQUAL -1 AND NOT status EQUAL 0)
  message(FATAL_ERROR "${TOOL} exited ${status}")
endif()
if(NOT has_error EQUAL -1 AND NOT status EQUAL 2)
  message(FATAL_ERROR "${TOOL} exited ${status}, expected 2 for a script with errors")
endif()
if(EXISTS ${dir}/${name}.py)
  execute_process(COMMAND ${PYTHON} ${dir}/${name}.py ${WORK} ${dir}
                  OUTPUT_VARIABLE checked ERROR_VARIABLE checked RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${name}.py found the folder wrong:\n${checked}")
  endif()
endif()
