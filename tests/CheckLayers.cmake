# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a layer includes a layer above it, or one beside it. The layers,
# from the top: app; then timer, player and platform, which include nothing
# of the project but their own.
set(forbidden
  "timer|app/ platform/ player/"
  "player|app/ platform/ timer/"
  "platform|app/ player/ timer/"
)
set(failures "")
foreach(rule IN LISTS forbidden)
  string(REPLACE "|" ";" parts "${rule}")
  list(GET parts 0 layer)
  list(GET parts 1 above)
  string(REPLACE " " ";" above "${above}")
  file(GLOB sources "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      foreach(folder IN LISTS above)
        if(line MATCHES "[\"<]${folder}" OR line MATCHES "ui_")
          list(APPEND failures "${source}: ${line}")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()
if(failures)
  list(JOIN failures "\n  " report)
  message(FATAL_ERROR "Includes against the direction of the layers:\n  ${report}")
endif()
message(STATUS "Layers hold: app -> timer, player, platform")
