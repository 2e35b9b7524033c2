# A private CUPS daemon for the tests that print (support/private-cups),
# started before the first of them and stopped after the last. Where it
# cannot start, the file QUILLARY_PRINT_UNAVAILABLE names says why in one
# line, and those tests skip with it (support/PrintService.h).
#
# The service's folder lies under the temporary folder, not in the build
# folder: CUPS runs its filters as the user lp, who must reach it, and a
# build folder in root's home (0700) is closed to lp. One folder per build
# folder, named from its path, which also keeps the socket's path short.
if(DEFINED ENV{TMPDIR} AND IS_DIRECTORY "$ENV{TMPDIR}")
    set(print_temp $ENV{TMPDIR})
else()
    set(print_temp /tmp)
endif()
string(MD5 print_build_hash ${CMAKE_BINARY_DIR})
string(SUBSTRING ${print_build_hash} 0 12 print_build_hash)
set(QUILLARY_PRINT_SERVICE ${print_temp}/quillary-print-service-${print_build_hash})
foreach(action start stop)
    add_test(NAME print_service_${action}
             COMMAND ${CMAKE_CURRENT_LIST_DIR}/private-cups ${action} ${QUILLARY_PRINT_SERVICE})
endforeach()
set_tests_properties(print_service_start PROPERTIES FIXTURES_SETUP print_service SKIP_RETURN_CODE 77)
set_tests_properties(print_service_stop PROPERTIES FIXTURES_CLEANUP print_service)

# Gives a test the print service: CUPS_SERVER, for libcups and Qt, names its
# socket, QUILLARY_PRINT_OUTPUT the folder its queue "quillary-pdf" writes
# PDF files into; HOME is the test's own (no ~/.cups of the user's). A Qt
# Test whose functions all skip is shown as skipped.
function(quillary_print_test name)
    set_property(TEST ${name} APPEND PROPERTY FIXTURES_REQUIRED print_service)
    set_property(TEST ${name} PROPERTY SKIP_REGULAR_EXPRESSION "Totals: 0 passed, 0 failed, [1-9][0-9]* skipped")
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT
        CUPS_SERVER=${QUILLARY_PRINT_SERVICE}/cups.sock
        QUILLARY_PRINT_OUTPUT=${QUILLARY_PRINT_SERVICE}/out
        QUILLARY_PRINT_UNAVAILABLE=${QUILLARY_PRINT_SERVICE}/unavailable
        HOME=${CMAKE_CURRENT_BINARY_DIR}/${name}.home)
    file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${name}.home)
endfunction()
