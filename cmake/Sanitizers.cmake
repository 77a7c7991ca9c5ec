# AddressSanitizer and UndefinedBehaviorSanitizer over the whole build. Any
# report stops the program at once and fails its test.
set(PLANDEX_SANITIZER_FLAGS
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
# Light optimisation and line tables only: reports keep file and line, and
# the second build of the suite takes much less time than the first.
add_compile_options(${PLANDEX_SANITIZER_FLAGS} -O1 -g1)
add_link_options(${PLANDEX_SANITIZER_FLAGS})

set(_supp ${PROJECT_SOURCE_DIR}/tests/sanitizers)
list(APPEND PLANDEX_TEST_ENV
    "ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:strict_init_order=1:check_initialization_order=1"
    "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:suppressions=${_supp}/ubsan.supp"
    "LSAN_OPTIONS=suppressions=${_supp}/lsan.supp:print_suppressions=0")
# Reports of programs a test starts (the end-to-end tests' plandex) reach
# the test's output only.
set(PLANDEX_TEST_FAIL "ERROR: AddressSanitizer;ERROR: LeakSanitizer;runtime error:")
