# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DDIR=<packaging folder> -DEXECUTABLE=<file name> -P names_agree.cmake
# The desktop entry starts the executable (with the link it is given, if any) and names the
# icon that is installed; the metainfo launches that entry under its own id.
set(id org.example.ravo)
file(STRINGS ${DIR}/${id}.desktop exec REGEX "^Exec=")
file(STRINGS ${DIR}/${id}.desktop icon REGEX "^Icon=")
if(NOT exec STREQUAL "Exec=${EXECUTABLE} %u")
    message(FATAL_ERROR "the desktop entry says '${exec}', the executable is ${EXECUTABLE}")
endif()
if(NOT icon STREQUAL "Icon=${id}" OR NOT EXISTS ${DIR}/${id}.svg)
    message(FATAL_ERROR "the desktop entry says '${icon}'; the icon file is ${id}.svg")
endif()
file(READ ${DIR}/${id}.metainfo.xml metainfo)
foreach(wanted "<id>${id}</id>" "<launchable type=\"desktop-id\">${id}.desktop</launchable>"
        "<binary>${EXECUTABLE}</binary>")
    string(FIND "${metainfo}" "${wanted}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the metainfo lacks ${wanted}")
    endif()
endforeach()
