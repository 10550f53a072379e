# add_program_icon(TARGET PROGRAM): renders packaging/PROGRAM.svg to PNGs at
# the sizes title bars and window switchers use and builds them into TARGET
# as the resources :/icons/PROGRAM/SIZE.png, which the windows take their
# icon from (so the icon shows wherever the program runs from, the build
# folder included, and without Qt's SVG plugin).
find_program(RSVG_CONVERT rsvg-convert)
if(NOT RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert not found: the window icons are rendered with it "
                      "(Debian: librsvg2-bin; scripts/install-deps.sh installs it)")
endif()

function(add_program_icon target program)
  set(svg ${PROJECT_SOURCE_DIR}/packaging/${program}.svg)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/icons/${program})
  set(pngs)
  foreach(size 16 24 32 48 64 128)
    set(png ${dir}/${size}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
      DEPENDS ${svg}
      COMMENT "Rendering the ${program} window icon at ${size}x${size}"
      VERBATIM)
    list(APPEND pngs ${png})
  endforeach()
  qt_add_resources(${target} ${program}_icon PREFIX /icons/${program} BASE ${dir} FILES ${pngs})
endfunction()
