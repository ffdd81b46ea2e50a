# SPDX-License-Identifier: GPL-3.0-or-later
# The layout is measured in the metrics of Liberation Sans (Arial's). Linux
# desktops have it (the Debian package depends on fonts-liberation2);
# Windows has Arial but not Liberation Sans, Wine has neither, and a browser
# gives a program no fonts at all. There the font goes into the program
# (its licence, the SIL Open Font License, allows that);
# controls::windowFont registers whatever fonts the resources hold.
set(SKALIX_FONT_DIR /usr/share/fonts/truetype/liberation2 CACHE PATH
    "Where LiberationSans-Regular.ttf and LiberationSans-Bold.ttf are (Debian: fonts-liberation2)")
set(fonts ${SKALIX_FONT_DIR}/LiberationSans-Regular.ttf ${SKALIX_FONT_DIR}/LiberationSans-Bold.ttf)
foreach(font IN LISTS fonts)
    if(NOT EXISTS ${font})
        message(FATAL_ERROR "${font} is missing: install fonts-liberation2 or set SKALIX_FONT_DIR")
    endif()
endforeach()
qt_add_resources(skalixui fonts PREFIX /fonts BASE ${SKALIX_FONT_DIR} FILES ${fonts})
