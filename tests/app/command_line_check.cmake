# cmake -DPROGRAM= -DVERSION= -P command_line_check.cmake
# The game's command line with no display to open: help, version and a wrong option are
# answered on the terminal, and a Qt option reaches Qt. A try to open a window would end in
# "Class Registration Failed" with exit code 1 instead.
cmake_minimum_required(VERSION 3.25)

# run(<arguments> <exit code> <pattern of standard output> <pattern of standard error>)
function(run arguments code outPattern errPattern)
    separate_arguments(words UNIX_COMMAND "${arguments}")
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                --unset=QT_QPA_PLATFORM ${PROGRAM} ${words}
        RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
    if(NOT result STREQUAL code OR NOT out MATCHES "${outPattern}" OR
       NOT err MATCHES "${errPattern}")
        message(FATAL_ERROR "quorvel ${arguments}: exit ${result} (expected ${code})\n"
                            "standard output:\n${out}\nstandard error:\n${err}")
    endif()
endfunction()

string(REPLACE "." "\\." version "${VERSION}")
run("--help" 0 "^Usage: quorvel \\[options\\]\n.*--version.*--platform <name" "^$")
run("-h" 0 "^Usage: quorvel" "^$")
run("--version" 0 "^quorvel ${version}\n$" "^$")
run("--no-such-option" 2 "^$"
    "^quorvel: Unknown option 'no-such-option'\\.\nTry 'quorvel --help'")
run("cards.txt" 2 "^$" "^quorvel: Unexpected argument 'cards\\.txt'.*\nTry 'quorvel --help'")
run("-platform" 2 "^$" "^quorvel: Missing value after '-platform'")
run("-platform nosuch" 1 "^$" "QT_QPA_PLATFORM=nosuch.*no platform plugin named nosuch")
run("--platform=nosuch" 1 "^$" "no platform plugin named nosuch")
run("-display :99 -platform xcb" 1 "^$" "DISPLAY=:99 does not answer")
