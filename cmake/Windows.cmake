# The Windows programs: kickpool.exe is a windowed program with the project's icon (made from
# packaging/kickpool.svg), kickpool-cli.exe a console program. The setup program's script is
# packaging/windows/kickpool.nsi; scripts/build-windows.sh drives both.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)
set(ico ${CMAKE_BINARY_DIR}/kickpool.ico)
set(icon_pngs)
foreach(size 16 24 32 48 64 256)
  list(APPEND icon_pngs ${CMAKE_BINARY_DIR}/icon/kickpool-${size}.png)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/icon/kickpool-${size}.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icon
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${CMAKE_BINARY_DIR}/icon/kickpool-${size}.png
            ${CMAKE_SOURCE_DIR}/packaging/kickpool.svg
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/kickpool.svg VERBATIM)
endforeach()
add_custom_command(OUTPUT ${ico} COMMAND ${ICOTOOL} -c -o ${ico} ${icon_pngs} DEPENDS ${icon_pngs} VERBATIM)
file(WRITE ${CMAKE_BINARY_DIR}/kickpool.rc "1 ICON \"${ico}\"\n")
# The program is defined in src/, where this folder's custom commands are not seen: a target
# of their own makes the icon before the resource is compiled.
add_custom_target(kickpool_icon DEPENDS ${ico})
add_dependencies(kickpool kickpool_icon)
set_source_files_properties(${CMAKE_BINARY_DIR}/kickpool.rc PROPERTIES OBJECT_DEPENDS ${ico})
target_sources(kickpool PRIVATE ${CMAKE_BINARY_DIR}/kickpool.rc)
set_target_properties(kickpool PROPERTIES WIN32_EXECUTABLE ON)
