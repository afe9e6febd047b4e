# What a Windows program carries besides its code: the icon, version
# information and a manifest, and the C++ runtime linked in, so that each
# program is one .exe that needs only Windows' own DLLs.

add_link_options(-static $<$<CONFIG:Release,MinSizeRel>:-s>)

# The icon, drawn from the same SVG as on Linux at the sizes Windows asks for.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)
set(REGALO_ICON_SVG ${PROJECT_SOURCE_DIR}/ui/resources/icon.svg)
set(REGALO_ICO ${PROJECT_BINARY_DIR}/windows/regalo.ico)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${REGALO_ICON_SVG})
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/windows)
set(icon_pngs)
foreach(size 16 24 32 48 64 256)
  set(png ${PROJECT_BINARY_DIR}/windows/icon-${size}.png)
  execute_process(COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${REGALO_ICON_SVG}
    COMMAND_ERROR_IS_FATAL ANY)
  # The largest size stays PNG inside the .ico, as Windows allows.
  if(size EQUAL 256)
    set(png --raw=${png})
  endif()
  list(APPEND icon_pngs ${png})
endforeach()
execute_process(COMMAND ${ICOTOOL} -c -o ${REGALO_ICO} ${icon_pngs} COMMAND_ERROR_IS_FATAL ANY)

function(regalo_windows_resources target description description_ru)
  set(icon ${REGALO_ICO})
  set(manifest ${PROJECT_BINARY_DIR}/windows/${target}.manifest)
  configure_file(${PROJECT_SOURCE_DIR}/windows/program.manifest ${manifest} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/windows/program.rc.in ${PROJECT_BINARY_DIR}/windows/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${PROJECT_BINARY_DIR}/windows/${target}.rc)
endfunction()

# The download: both programs, the readmes, the licences and where Qt's
# source is, as the LGPL asks of a static build. Texts get CR LF for Notepad.
set(REGALO_ZIP ${PROJECT_SOURCE_DIR}/dist/Regalo_Vespera-${PROJECT_VERSION}-win64.zip)
set(zip_dir ${PROJECT_BINARY_DIR}/windows/zip/Regalo_Vespera-${PROJECT_VERSION}-win64)
file(MAKE_DIRECTORY ${zip_dir})
foreach(pair README-en.txt:windows/zip/README-en.txt README-ru.txt:windows/zip/README-ru.txt
    Qt-SOURCE.txt:windows/zip/Qt-SOURCE.txt LICENSE.txt:LICENSE LICENSE-MIT.txt:lib/LICENSE)
  string(REPLACE ":" ";" pair ${pair})
  list(GET pair 0 name)
  list(GET pair 1 source)
  file(READ ${PROJECT_SOURCE_DIR}/${source} text)
  string(REPLACE "@PROJECT_VERSION@" "${PROJECT_VERSION}" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${zip_dir}/${name} "${text}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${source})
endforeach()
file(READ /usr/share/common-licenses/LGPL-3 text)
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${zip_dir}/Qt-LGPL-3.0.txt "${text}")
# The library for other programs: the DLL beside the programs, and what
# building against it takes (headers, import libraries, the C# source) in
# sdk/; the C# assembly beside the DLL.
set(sdk_dir ${zip_dir}/sdk)
add_custom_command(OUTPUT ${REGALO_ZIP}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Regalo_Vespera> $<TARGET_FILE:regalo-decode> $<TARGET_FILE:regalo> ${zip_dir}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${sdk_dir}/include/regalo ${sdk_dir}/lib ${sdk_dir}/csharp
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/lib/regalo/regalo.h ${PROJECT_SOURCE_DIR}/lib/regalo/flags.h ${sdk_dir}/include/regalo
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_PROPERTY:regalo_csharp,ASSEMBLY_DIR>/Regalo.dll
    $<TARGET_PROPERTY:regalo_csharp,ASSEMBLY_DIR>/Regalo.xml ${zip_dir}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_LINKER_FILE:regalo> ${PROJECT_BINARY_DIR}/lib/regalo.lib
    ${PROJECT_BINARY_DIR}/lib/regalo.def ${sdk_dir}/lib
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/lib/csharp/Regalo.cs ${sdk_dir}/csharp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_SOURCE_DIR}/dist
  COMMAND ${CMAKE_COMMAND} -E rm -f ${REGALO_ZIP}
  COMMAND ${CMAKE_COMMAND} -E chdir ${zip_dir}/.. ${CMAKE_COMMAND} -E tar cf ${REGALO_ZIP} --format=zip
    Regalo_Vespera-${PROJECT_VERSION}-win64
  DEPENDS Regalo_Vespera regalo-decode regalo regalo_csharp ${PROJECT_SOURCE_DIR}/lib/regalo/regalo.h ${PROJECT_SOURCE_DIR}/lib/regalo/flags.h
    ${PROJECT_SOURCE_DIR}/lib/csharp/Regalo.cs
  VERBATIM)
add_custom_target(windows_zip DEPENDS ${REGALO_ZIP})

# The installer: the same files, per user (windows/Regalo_Vespera.wxs).
find_program(WIXL wixl REQUIRED)
set(REGALO_MSI ${PROJECT_SOURCE_DIR}/dist/Regalo_Vespera-${PROJECT_VERSION}-win64.msi)
set(msi_dir ${PROJECT_BINARY_DIR}/windows/msi)
add_custom_command(OUTPUT ${REGALO_MSI}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${zip_dir} ${msi_dir}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Regalo_Vespera> $<TARGET_FILE:regalo-decode> $<TARGET_FILE:regalo> ${REGALO_ICO} ${msi_dir}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_SOURCE_DIR}/dist
  COMMAND ${CMAKE_COMMAND} -E chdir ${msi_dir} ${WIXL} -a x64 -D Version=${PROJECT_VERSION}
    -o ${REGALO_MSI} ${PROJECT_SOURCE_DIR}/windows/Regalo_Vespera.wxs
  DEPENDS Regalo_Vespera regalo-decode regalo ${REGALO_ZIP} ${PROJECT_SOURCE_DIR}/windows/Regalo_Vespera.wxs
  VERBATIM)
add_custom_target(windows_msi DEPENDS ${REGALO_MSI})
