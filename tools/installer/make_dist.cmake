# Lays out the package folder, writes the uninstaller's file list, and makes the zip and the
# installer. Run by the dist target with ASSETS, OCX, EXE (may be empty), README, SCRIPT,
# FINISH_PICTURE_SCRIPT, VERSION, CAPTION, OUT (the build folder), MAKENSIS and STRIP.
set(name Tockly-${VERSION})
set(package ${OUT}/dist/${name})
file(REMOVE_RECURSE ${package})
file(MAKE_DIRECTORY ${package})
file(COPY ${ASSETS}/ DESTINATION ${package})
set(binaries ${OCX})
if(EXE)
  list(APPEND binaries ${EXE})
else()
  message(WARNING "Tockly.exe is not built in this tree (no tockly_exe target): the package holds everything else")
endif()
foreach(binary IN LISTS binaries)
  file(COPY ${binary} DESTINATION ${package})
  get_filename_component(copied ${binary} NAME)
  # Symbols serve no user; the static runtime makes them most of the file.
  execute_process(COMMAND ${STRIP} ${package}/${copied} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# Notepad on every Windows version reads a UTF-8 file with its byte-order mark and CR LF.
file(READ ${README} text)
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 bom)
file(WRITE ${package}/说明.txt "${bom}${text}")

# The uninstaller deletes exactly these files, then every folder it made once it is empty,
# the deepest first.
file(GLOB_RECURSE files RELATIVE ${package} ${package}/*)
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${package} ${package}/*)
set(folders ${entries})
list(REMOVE_ITEM folders ${files})
list(SORT folders ORDER DESCENDING)
set(list_text "")
foreach(file IN LISTS files)
  string(REPLACE "/" "\\" file "${file}")
  string(APPEND list_text "!insertmacro REMOVE_FILE \"$INSTDIR\\${file}\"\n")
endforeach()
foreach(folder IN LISTS folders)
  string(REPLACE "/" "\\" folder "${folder}")
  string(APPEND list_text "RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
file(WRITE ${OUT}/dist/uninstall_files.nsh "${list_text}")

# The finish page's picture, from the program's icon.
execute_process(
  COMMAND bash ${FINISH_PICTURE_SCRIPT} ${package}/Tockly.ico ${OUT}/dist/finish.bmp
  COMMAND_ERROR_IS_FATAL ANY)

# makensis crashes on the Chinese file names under the C locale that make test runs in.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${VERSION} -DCAPTION=${CAPTION}
          -DPACKAGE=${package} -DFILES=${OUT}/dist/uninstall_files.nsh
          -DFINISH_PICTURE=${OUT}/dist/finish.bmp
          -DOUT_FILE=${OUT}/${name}-setup.exe ${SCRIPT}
  COMMAND_ERROR_IS_FATAL ANY)

# Entry names are stored as UTF-8 and flagged so, which Windows' own unzip reads correctly.
file(REMOVE ${OUT}/${name}.zip)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${CMAKE_COMMAND} -E tar cf ${OUT}/${name}.zip
          --format=zip ${name}
  WORKING_DIRECTORY ${OUT}/dist
  COMMAND_ERROR_IS_FATAL ANY)
