# Installs the build into a scratch prefix and checks that a desktop finds everything: the
# program, its help file where the installed program looks, the desktop entry naming the icon
# and the MIME type, the icon, and a MIME package that update-mime-database accepts.
file(REMOVE_RECURSE ${PREFIX})
# Stripped, as a package installs it.
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} --strip
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(failures "")
macro(expect_file path)
    if(NOT EXISTS ${PREFIX}/${path})
        list(APPEND failures "missing ${path}")
    endif()
endmacro()
macro(expect_text path text)
    if(EXISTS ${PREFIX}/${path})
        file(READ ${PREFIX}/${path} content)
        string(FIND "${content}" "${text}" at)
        if(at EQUAL -1)
            list(APPEND failures "${path} lacks '${text}'")
        endif()
    endif()
endmacro()

expect_file(bin/strumix)
if(EXISTS ${PREFIX}/bin/strumix AND IS_DIRECTORY ${PREFIX}/bin/strumix)
    list(APPEND failures "bin/strumix is a folder")
endif()
# The installed program looks in its own folder, then in ../share/strumix/.
expect_file(share/strumix/STRUMIX.HLP)
expect_text(share/strumix/STRUMIX.HLP "<section id=\"topic-1\">")
expect_file(share/applications/strumix.desktop)
expect_text(share/applications/strumix.desktop "Exec=${PREFIX}/bin/strumix %f")
expect_text(share/applications/strumix.desktop "Icon=strumix")
expect_text(share/applications/strumix.desktop "MimeType=application/x-strumix-tab;image/bmp;")
expect_file(share/mime/packages/strumix.xml)
expect_text(share/mime/packages/strumix.xml "<mime-type type=\"application/x-strumix-tab\">")
expect_text(share/mime/packages/strumix.xml "<sub-class-of type=\"image/bmp\"/>")
expect_text(share/mime/packages/strumix.xml "<glob pattern=\"*.tab\"/>")
expect_text(share/mime/packages/strumix.xml "<match type=\"string\" value=\"BM\" offset=\"0\"/>")

# The program's and the pages' icons at every size a desktop asks for, each a PNG of its
# size, and as SVG.
foreach(size 16 22 24 32 48 64 128 256)
    foreach(icon apps/strumix mimetypes/application-x-strumix-tab)
        set(png share/icons/hicolor/${size}x${size}/${icon}.png)
        expect_file(${png})
        if(EXISTS ${PREFIX}/${png})
            file(READ ${PREFIX}/${png} header LIMIT 24 HEX)
            string(SUBSTRING "${header}" 0 16 signature)
            string(SUBSTRING "${header}" 32 16 dimensions)
            math(EXPR hex "${size}" OUTPUT_FORMAT HEXADECIMAL)
            string(SUBSTRING "${hex}" 2 -1 hex)
            string(LENGTH "${hex}" digits)
            math(EXPR pad "8 - ${digits}")
            string(REPEAT "0" ${pad} zeros)
            if(NOT signature STREQUAL "89504e470d0a1a0a")
                list(APPEND failures "${png} is not a PNG")
            elseif(NOT dimensions STREQUAL "${zeros}${hex}${zeros}${hex}")
                list(APPEND failures "${png} is not ${size} x ${size} (IHDR ${dimensions})")
            endif()
        endif()
    endforeach()
endforeach()
expect_text(share/icons/hicolor/scalable/apps/strumix.svg "<svg ")
expect_text(share/icons/hicolor/scalable/mimetypes/application-x-strumix-tab.svg "<svg ")

# The manual page, the package's documents, and the program's own answer from the tree.
expect_file(share/man/man1/strumix.1.gz)
foreach(doc README.md changelog.gz copyright)
    expect_file(share/doc/strumix/${doc})
endforeach()
expect_text(share/doc/strumix/copyright "License: GPL-3.0-or-later")
if(EXISTS ${PREFIX}/bin/strumix)
    execute_process(COMMAND ${PREFIX}/bin/strumix --version
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR NOT output MATCHES "^strumix ${VERSION}\n" OR
       NOT output MATCHES "GPL-3.0-or-later")
        list(APPEND failures "bin/strumix --version: ${output}")
    endif()
    # The sound module where the installed program looks for it: a text tab's sound exported.
    expect_file(${LIBDIR}/strumix/strumix-sound.so)
    if(EXISTS /usr/share/sounds/sf2/FluidR3_GM.sf2)
        set(wav ${PREFIX}/riff.wav)
        execute_process(COMMAND ${PREFIX}/bin/strumix --export ${wav} ${TEXT_TAB}
                        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
        if(EXISTS ${wav})
            file(READ ${wav} header LIMIT 4 HEX)
        endif()
        if(NOT result EQUAL 0 OR NOT header STREQUAL "52494646")
            list(APPEND failures "bin/strumix --export riff.wav: ${output}")
        endif()
    endif()
    find_program(READELF readelf)
    if(READELF)
        execute_process(COMMAND ${READELF} -S ${PREFIX}/bin/strumix OUTPUT_VARIABLE output)
        if(output MATCHES "\\.symtab|\\.debug_info")
            list(APPEND failures "bin/strumix is not stripped")
        endif()
    endif()
endif()

# The AppStream metadata as software centres read it.
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    file(GLOB metainfo ${PREFIX}/share/metainfo/*.metainfo.xml)
    if(NOT metainfo)
        list(APPEND failures "no AppStream metainfo")
    else()
        execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${metainfo}
                        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
        if(NOT result EQUAL 0)
            list(APPEND failures "appstreamcli validate: ${output}")
        endif()
    endif()
endif()

# Installed under the home folder, the entry no longer offers itself for every BMP: an entry
# there outranks the system's own picture viewers.
set(home_prefix ${PREFIX}/home/.local)
execute_process(COMMAND ${CMAKE_COMMAND} -E env HOME=${PREFIX}/home
                        ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${home_prefix}
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
file(READ ${home_prefix}/share/applications/strumix.desktop entry)
if(NOT entry MATCHES "MimeType=application/x-strumix-tab;\n")
    list(APPEND failures "a home install still claims image/bmp:\n${entry}")
endif()

# The MIME database compiler reads the package as a desktop would.
find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME AND EXISTS ${PREFIX}/share/mime/packages/strumix.xml)
    execute_process(COMMAND ${UPDATE_MIME} ${PREFIX}/share/mime
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR output MATCHES "[Ee]rror|[Ww]arning")
        list(APPEND failures "update-mime-database: ${output}")
    elseif(NOT EXISTS ${PREFIX}/share/mime/application/x-strumix-tab.xml)
        list(APPEND failures "update-mime-database made no application/x-strumix-tab")
    endif()
endif()

# A file named .tab is a Strumix page when its content starts as a bitmap does, text otherwise.
find_program(GIO gio)
if(GIO AND EXISTS ${PREFIX}/share/mime/application/x-strumix-tab.xml)
    file(WRITE ${PREFIX}/page.tab "BM6 bitmap bytes follow")
    file(WRITE ${PREFIX}/riff.tab "e|---0---3---|\nB|-----1-----|\n")
    foreach(pair "page.tab=application/x-strumix-tab" "riff.tab=text/x-strumix-text-tab")
        string(REPLACE "=" ";" pair ${pair})
        list(GET pair 0 name)
        list(GET pair 1 type)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${PREFIX}/share:/usr/share
                                XDG_DATA_HOME=${PREFIX}/none
                                ${GIO} info -a standard::content-type ${PREFIX}/${name}
                        OUTPUT_VARIABLE output ERROR_QUIET)
        if(NOT output MATCHES "content-type: ${type}")
            list(APPEND failures "${name} is not ${type}: ${output}")
        endif()
    endforeach()
endif()

# And the desktop entry as desktops read it, where the validator is installed.
find_program(VALIDATE_DESKTOP desktop-file-validate)
if(VALIDATE_DESKTOP AND EXISTS ${PREFIX}/share/applications/strumix.desktop)
    execute_process(COMMAND ${VALIDATE_DESKTOP} ${PREFIX}/share/applications/strumix.desktop
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR NOT output STREQUAL "")
        list(APPEND failures "desktop-file-validate: ${output}")
    endif()
endif()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "install tree at ${PREFIX}:\n  ${text}")
endif()
message(STATUS "install tree at ${PREFIX} is complete")
