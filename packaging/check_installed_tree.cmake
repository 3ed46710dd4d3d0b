# Installs the desktop files into a scratch tree, checks that every icon lands in the folder of
# its size, and validates the tree as a software centre reads it (metadata, launcher, icon).
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --component desktop --prefix ${STAGE}
                OUTPUT_QUIET RESULT_VARIABLE code)
if(code)
    message(FATAL_ERROR "installing the desktop component failed")
endif()

set(share ${STAGE}/${DATADIR})
foreach(file applications/${APP_ID}.desktop metainfo/${APP_ID}.metainfo.xml
             icons/hicolor/scalable/apps/${APP_ID}.svg)
    if(NOT EXISTS ${share}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

foreach(size ${SIZES})
    set(icon ${share}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    execute_process(COMMAND ${IDENTIFY} -format "%wx%h" ${icon} OUTPUT_VARIABLE measured RESULT_VARIABLE code)
    if(code OR NOT measured STREQUAL "${size}x${size}")
        message(FATAL_ERROR "${icon}: expected ${size}x${size}, found '${measured}'")
    endif()
endforeach()

execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${STAGE} RESULT_VARIABLE code)
if(code)
    message(FATAL_ERROR "appstreamcli validate-tree failed")
endif()
