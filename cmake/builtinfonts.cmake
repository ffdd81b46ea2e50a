# SPDX-License-Identifier: GPL-3.0-or-later
# The layout is measured in the metrics of Liberation Sans (Arial's). Linux
# desktops have it (the Debian package depends on fonts-liberation2);
# Windows has Arial but not Liberation Sans, Wine has neither, and a browser
# gives a program no fonts at all. There the font goes into the program
# (its licence, the SIL Open Font License, allows that);
# controls::windowFont registers whatever fonts the resources hold.
#
# Only the characters of Western and Central European languages go in
# (Latin-1, Latin Extended-A, punctuation, the euro sign): 55 KB a face
# instead of 410 KB, which the web page would otherwise load. Their shapes,
# widths and hinting stay as they are (pyftsubset, Debian's fonttools).
set(SKALIX_FONT_DIR /usr/share/fonts/truetype/liberation2 CACHE PATH
    "Where LiberationSans-Regular.ttf and LiberationSans-Bold.ttf are (Debian: fonts-liberation2)")
find_program(PYFTSUBSET pyftsubset REQUIRED)
set(subset_dir ${CMAKE_CURRENT_BINARY_DIR}/fonts)
set(fonts "")
foreach(face Regular Bold)
    set(font ${SKALIX_FONT_DIR}/LiberationSans-${face}.ttf)
    if(NOT EXISTS ${font})
        message(FATAL_ERROR "${font} is missing: install fonts-liberation2 or set SKALIX_FONT_DIR")
    endif()
    set(subset ${subset_dir}/LiberationSans-${face}.ttf)
    add_custom_command(OUTPUT ${subset}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${subset_dir}
        COMMAND ${PYFTSUBSET} ${font} --output-file=${subset}
                --unicodes=U+0020-007E,U+00A0-017F,U+2010-2027,U+2030-203A,U+20AC,U+2122,U+2212,U+FFFD
                --layout-features=* --glyph-names --notdef-outline --name-IDs=* --name-languages=*
        DEPENDS ${font}
        VERBATIM)
    list(APPEND fonts ${subset})
endforeach()
qt_add_resources(skalixui fonts PREFIX /fonts BASE ${subset_dir} FILES ${fonts}
    OPTIONS ${SKALIX_RCC_OPTIONS})
