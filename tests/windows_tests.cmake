# The unit tests as a Windows program, each run a whole process under Wine:
# starting Wine once per test case would cost more than all the cases.
target_sources(parlune_tests PRIVATE unit/win32_platform_test.cpp)
# One .exe that runs on its own, without MinGW's runtime DLLs beside it.
target_link_options(parlune_tests PRIVATE -static -static-libgcc -static-libstdc++)

# Wine takes the user's language from LANG; the tests compare it with what the
# platform layer reports. A 32-bit run takes minutes under qemu, so it gets
# one language.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(wine_target x64)
  set(languages "de_DE.UTF-8=de-DE" "sr_RS@latin=sr-Latn-RS")
else()
  # 32-bit Wine under qemu stops at the first OutputDebugString, which
  # GoogleTest calls after printing a failure: a failing case still fails the run.
  set(wine_target x86)
  set(languages "ja_JP.UTF-8=ja-JP")
  # Starting cmd.exe costs minutes under emulation: running a program is the
  # same code on x64, where it runs.
  set(filter --gtest_filter=-ProgramRun.*)
endif()

parlune_wine_prefix_setup(wine_prefix wine)
foreach(language IN LISTS languages)
  string(REPLACE "=" ";" pair "${language}")
  list(GET pair 0 locale)
  list(GET pair 1 expected)
  set(name "unit_tests_under_wine_${wine_target}_${expected}")
  add_test(NAME ${name}
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/run_under_wine.sh ${wine_target} ${PARLUNE_WINE_PREFIX_ROOT}
            $<TARGET_FILE:parlune_tests> --gtest_brief=1 ${filter})
  set_tests_properties(${name} PROPERTIES LABELS wine TIMEOUT 1200 RESOURCE_LOCK wine
    ENVIRONMENT "LANG=${locale};PARLUNE_EXPECTED_UI_LANGUAGE=${expected}" FIXTURES_REQUIRED wine_prefix)
endforeach()
