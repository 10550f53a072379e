# Runs a script through a program's script tool at scale factor 1 and 2 and
# checks each window's snapshot: at scale 1 the size the script's "# size"
# lines give, at scale 2 exactly twice that in each dimension.
# -DTOOL=script tool -DSCRIPT=script with @OUT@ for the snapshot folder
# -DWORK=folder for the runs

function(png_size file out)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "no snapshot ${file}")
  endif()
  # The IHDR chunk: width and height, four bytes each, from byte 16.
  file(READ ${file} header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING ${header} 0 8 width)
  string(SUBSTRING ${header} 8 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  set(${out} "${width}x${height}" PARENT_SCOPE)
endfunction()

file(READ ${SCRIPT} template)
foreach(scale 1 2)
  set(out ${WORK}/${scale})
  file(REMOVE_RECURSE ${out})
  file(MAKE_DIRECTORY ${out})
  string(REPLACE "@OUT@" "${out}" script "${template}")
  file(WRITE ${WORK}/scale${scale}.script "${script}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_SCALE_FACTOR=${scale} ${TOOL}
                          ${WORK}/scale${scale}.script
                  OUTPUT_VARIABLE printed RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT printed STREQUAL "")
    message(FATAL_ERROR "${TOOL} at scale ${scale} exited ${status}:\n${printed}")
  endif()
endforeach()

string(REGEX MATCHALL "# size [A-Za-z0-9]+ [0-9]+x[0-9]+" sizes "${template}")
if(NOT sizes)
  message(FATAL_ERROR "${SCRIPT} names no window sizes")
endif()
foreach(line ${sizes})
  string(REGEX REPLACE "# size ([A-Za-z0-9]+) ([0-9]+)x([0-9]+)" "\\1;\\2;\\3" parts "${line}")
  list(GET parts 0 window)
  list(GET parts 1 width)
  list(GET parts 2 height)
  math(EXPR width2 "2 * ${width}")
  math(EXPR height2 "2 * ${height}")
  png_size(${WORK}/1/${window}.png at1)
  png_size(${WORK}/2/${window}.png at2)
  if(NOT at1 STREQUAL "${width}x${height}")
    message(SEND_ERROR "${window} at scale 1 is ${at1}, not ${width}x${height}")
  endif()
  if(NOT at2 STREQUAL "${width2}x${height2}")
    message(SEND_ERROR "${window} at scale 2 is ${at2}, not ${width2}x${height2}")
  endif()
endforeach()
