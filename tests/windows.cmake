# The same suite as Windows programs, run by Wine (CMAKE_CROSSCOMPILING_EMULATOR)
# on this Linux machine.
#
# Qt's and the C++ runtime's DLLs come from the dependency prefix through
# WINEPATH. The vendor library is looked up beside the program only, never in
# the current folder or on PATH, so each folder of test programs holds the
# simulator as ftd2xx.dll, or on purpose none, in place of a loader path.
get_filename_component(LUMIDOR_WIN_DLL_DIR "${Qt6_DIR}/../../../bin" ABSOLUTE)
set(LUMIDOR_TEST_ENV
  "WINEPATH=Z:${LUMIDOR_WIN_DLL_DIR}"
  "WINEDEBUG=-all"
  "WINEDLLOVERRIDES=mscoree,mshtml=")
# This Qt has no FreeType, hence no offscreen platform: the minimal one draws
# into memory as well, with the system's fonts.
set(LUMIDOR_QTEST_ARGS -platform minimal:enable_fonts)
set(LUMIDOR_QTEST_RUNNER sh ${CMAKE_CURRENT_SOURCE_DIR}/wine-qtest.sh)
# The minimal platform activates a window only once; leaving the window and
# coming back needs Wine's own windows, shown on the stage's virtual X server.
set(LUMIDOR_QTEST_ARGS_endtoend_startup_qtest -platform windows)

# What needs Linux's device manager; the Windows watcher's own cases run in
# usbwatcher_qtest instead.
set(LUMIDOR_LINUX_ONLY_TESTS mainwindow_usb_udev_qtest)
set(LUMIDOR_LINUX_ONLY_REASON_mainwindow_usb_udev_qtest
  "it plugs the simulated converter through udev; on Windows usbwatcher_qtest sends the device-change message to the watcher's window and checks the search")

set(LUMIDOR_TEST_NO_LIBRARY_DIR ${CMAKE_CURRENT_BINARY_DIR}/no-vendor-library)

function(lumidor_windows_test_folders)
  add_custom_target(lumidor_test_vendor_library ALL
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:lumidor_simulator>
            ${CMAKE_CURRENT_BINARY_DIR}/
    # A copy no loader may pick up: beside the no-library test, in a folder
    # that test makes its current one and puts on PATH.
    COMMAND ${CMAKE_COMMAND} -E make_directory ${LUMIDOR_TEST_NO_LIBRARY_DIR}/stray
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:lumidor_simulator>
            ${LUMIDOR_TEST_NO_LIBRARY_DIR}/stray/
    DEPENDS lumidor_simulator
    VERBATIM)
  get_property(targets DIRECTORY PROPERTY BUILDSYSTEM_TARGETS)
  foreach(t IN LISTS targets)
    get_target_property(type ${t} TYPE)
    if(type STREQUAL "EXECUTABLE")
      add_dependencies(${t} lumidor_test_vendor_library)
    endif()
  endforeach()

  if(TARGET D2XXUnit_missing_test)
    set_target_properties(D2XXUnit_missing_test PROPERTIES
      RUNTIME_OUTPUT_DIRECTORY ${LUMIDOR_TEST_NO_LIBRARY_DIR})
  endif()
  if(TARGET D2XXUnit_nofunc_test)
    set_target_properties(D2XXUnit_nofunc_test PROPERTIES
      RUNTIME_OUTPUT_DIRECTORY ${LUMIDOR_SIMULATOR_NOFUNC_DIR})
    add_dependencies(D2XXUnit_nofunc_test lumidor_simulator_nofunc)
  endif()
  if(TARGET mainwindow_qtest)
    add_custom_command(TARGET mainwindow_qtest POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:mainwindow_qtest>
              ${LUMIDOR_TEST_NO_LIBRARY_DIR}/
      VERBATIM)
    add_test(NAME mainwindow_nolibrary_qtest
      COMMAND ${LUMIDOR_QTEST_RUNNER} ${LUMIDOR_TEST_NO_LIBRARY_DIR}/mainwindow_qtest.exe
              firstActivationWithoutLibrary ${LUMIDOR_QTEST_ARGS})
    set_tests_properties(mainwindow_nolibrary_qtest PROPERTIES ENVIRONMENT
      "${LUMIDOR_TEST_ENV};LUMIDOR_EXPECT_NO_LIBRARY=1")
    lumidor_widget_test_kind(mainwindow_nolibrary_qtest)
  endif()

  # Named, with the reason, rather than silently missing from the run.
  foreach(t IN LISTS LUMIDOR_LINUX_ONLY_TESTS)
    add_test(NAME ${t} COMMAND sh -c "echo \"$0\"; exit 77" "not on Windows: ${LUMIDOR_LINUX_ONLY_REASON_${t}}")
    set_tests_properties(${t} PROPERTIES SKIP_RETURN_CODE 77)
    lumidor_widget_test_kind(${t})
  endforeach()
endfunction()
