# Installs the build into a fresh staging folder and checks the layout the installed
# game relies on, under the prefix the build was configured for (the desktop entry names it).
# Run as: cmake -DBUILD_DIR=... -DAPP_ID=... -DPREFIX=/usr -DBINDIR=bin|games -P check_install.cmake
set(stage ${BUILD_DIR}/install-check)
file(REMOVE_RECURSE ${stage})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${stage}
                        ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(root ${stage}${PREFIX})
set(missing)
foreach(file
    libexec/tumblehand/tumblehand
    libexec/tumblehand/sound/up2.wav libexec/tumblehand/sound/up.wav
    libexec/tumblehand/sound/Flush.wav libexec/tumblehand/sound/ph.wav
    libexec/tumblehand/sound/te.wav libexec/tumblehand/sound/pe.wav
    libexec/tumblehand/sound/pn.wav libexec/tumblehand/sound/boo.wav
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/icons/hicolor/48x48/apps/${APP_ID}.png
    share/icons/hicolor/64x64/apps/${APP_ID}.png
    share/icons/hicolor/128x128/apps/${APP_ID}.png
    share/man/man6/tumblehand.6.gz
    share/doc/tumblehand/copyright share/doc/tumblehand/changelog.gz)
  if(NOT EXISTS ${root}/${file})
    list(APPEND missing ${file})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()

# The game's folder holds the game and its cues, nothing for measuring or testing; the
# game itself reads no measuring variable.
file(GLOB beside RELATIVE ${root}/libexec/tumblehand ${root}/libexec/tumblehand/*)
list(SORT beside)
if(NOT beside STREQUAL "sound;tumblehand")
  message(FATAL_ERROR "libexec/tumblehand holds ${beside}, not just the game and sound/")
endif()
file(STRINGS ${root}/libexec/tumblehand/tumblehand measuring REGEX "TUMBLEHAND_MEASURE")
if(measuring)
  message(FATAL_ERROR "the installed game reads ${measuring}")
endif()

# The launcher must be a link that leads to the real program, so that the program's
# folder (and with it sound/) is found through it.
set(launcher ${root}/${BINDIR}/tumblehand)
if(NOT IS_SYMLINK ${launcher})
  message(FATAL_ERROR "${BINDIR}/tumblehand is not a symbolic link")
endif()
file(READ_SYMLINK ${launcher} target)
if(NOT target STREQUAL "../libexec/tumblehand/tumblehand")
  message(FATAL_ERROR "${BINDIR}/tumblehand leads to ${target}")
endif()
# The menu entry starts the game through that launcher.
file(STRINGS ${root}/share/applications/${APP_ID}.desktop exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=${PREFIX}/${BINDIR}/tumblehand")
  message(FATAL_ERROR "the desktop entry says ${exec}, not Exec=${PREFIX}/${BINDIR}/tumblehand")
endif()

# Rendered icons must be PNGs of their size: bytes 16..23 of a PNG are width and height.
foreach(size 48 64 128)
  file(READ ${root}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png header
       LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 magic)
  string(SUBSTRING "${header}" 32 16 dimensions)
  math(EXPR expected "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(REPLACE "0x" "" expected "${expected}")
  string(LENGTH "${expected}" length)
  while(length LESS 8)
    string(PREPEND expected "0")
    string(LENGTH "${expected}" length)
  endwhile()
  if(NOT magic STREQUAL "89504e470d0a1a0a" OR NOT dimensions STREQUAL "${expected}${expected}")
    message(FATAL_ERROR "the ${size} px icon is not a ${size}x${size} PNG: ${header}")
  endif()
endforeach()

file(REMOVE_RECURSE ${stage})
message(STATUS "install layout ok")
