# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under a virtual X display: start it with a text, let it simplify, save the
# window, and check the picture. Skipped (77) where xvfb-run is missing.
if(TARGET fennory)
  set(FENNORY_SMOKE_ENV ${FENNORY_TEST_ENV})
  list(FILTER FENNORY_SMOKE_ENV EXCLUDE REGEX "^QT_QPA_PLATFORM=")
  add_test(NAME app.ScreenshotSmoke
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/app/screenshot_smoke.sh $<TARGET_FILE:fennory>)
  set_tests_properties(app.ScreenshotSmoke PROPERTIES
    ENVIRONMENT "${FENNORY_SMOKE_ENV};QT_QPA_PLATFORM=xcb"
    SKIP_RETURN_CODE 77
    TIMEOUT 120)
endif()
