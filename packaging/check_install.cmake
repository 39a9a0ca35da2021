# Installs the build into a fresh staging folder and checks the layout the installed
# game relies on. Run as: cmake -DBUILD_DIR=... -DAPP_ID=... -P check_install.cmake
set(stage ${BUILD_DIR}/install-check)
file(REMOVE_RECURSE ${stage})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${stage}
                        ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(missing)
foreach(file
    usr/libexec/tumblehand/tumblehand
    usr/libexec/tumblehand/sound/up2.wav usr/libexec/tumblehand/sound/up.wav
    usr/libexec/tumblehand/sound/Flush.wav usr/libexec/tumblehand/sound/ph.wav
    usr/libexec/tumblehand/sound/te.wav usr/libexec/tumblehand/sound/pe.wav
    usr/libexec/tumblehand/sound/pn.wav usr/libexec/tumblehand/sound/boo.wav
    usr/share/applications/${APP_ID}.desktop
    usr/share/metainfo/${APP_ID}.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
    usr/share/icons/hicolor/48x48/apps/${APP_ID}.png
    usr/share/icons/hicolor/64x64/apps/${APP_ID}.png
    usr/share/icons/hicolor/128x128/apps/${APP_ID}.png)
  if(NOT EXISTS ${stage}/${file})
    list(APPEND missing ${file})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()

# The game's folder holds the game and its cues, nothing for measuring or testing; the
# game itself reads no measuring variable.
file(GLOB beside RELATIVE ${stage}/usr/libexec/tumblehand ${stage}/usr/libexec/tumblehand/*)
list(SORT beside)
if(NOT beside STREQUAL "sound;tumblehand")
  message(FATAL_ERROR "usr/libexec/tumblehand holds ${beside}, not just the game and sound/")
endif()
file(STRINGS ${stage}/usr/libexec/tumblehand/tumblehand measuring REGEX "TUMBLEHAND_MEASURE")
if(measuring)
  message(FATAL_ERROR "the installed game reads ${measuring}")
endif()

# The launcher must be a link that leads to the real program, so that the program's
# folder (and with it sound/) is found through it.
set(launcher ${stage}/usr/bin/tumblehand)
if(NOT IS_SYMLINK ${launcher})
  message(FATAL_ERROR "usr/bin/tumblehand is not a symbolic link")
endif()
file(READ_SYMLINK ${launcher} target)
if(NOT target STREQUAL "../libexec/tumblehand/tumblehand")
  message(FATAL_ERROR "usr/bin/tumblehand leads to ${target}")
endif()

# Rendered icons must be PNGs of their size: bytes 16..23 of a PNG are width and height.
foreach(size 48 64 128)
  file(READ ${stage}/usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png header
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
