# Installs the build into PREFIX and checks what a Linux desktop and the
# installed client need: the executable, the folders it reads, the desktop
# entry and its icon.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path bin/zembrio share/zembrio/Smileys/Grin.png share/applications/zembrio.desktop
             share/icons/hicolor/24x24/apps/zembrio.png)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
file(READ ${PREFIX}/share/applications/zembrio.desktop entry)
foreach(line "Exec=zembrio" "Icon=zembrio" "Type=Application")
    string(FIND "${entry}" "${line}" at)
    if(at LESS 0)
        message(FATAL_ERROR "desktop entry lacks ${line}")
    endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
