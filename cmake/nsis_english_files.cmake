# NSIS's English language files, embedded in the tools: the names of NSIS's
# and Modern UI's own texts, and their English, for the checker's key names
# and the pseudo-locale. Read from the NSIS that scripts/setup.sh installs;
# the tables an installer gets are built from the makensis that compiles it.
set(PARLUNE_NSIS_LANGUAGE_FILES "/usr/share/nsis/Contrib/Language files"
    CACHE PATH "NSIS's language files (English.nlf and English.nsh)")

function(parlune_write_nsis_english_files output_dir)
  set(text "// Generated from NSIS's English.nlf and English.nsh.\n")
  foreach(kind nlf nsh)
    set(file "${PARLUNE_NSIS_LANGUAGE_FILES}/English.${kind}")
    if(NOT EXISTS "${file}")
      message(FATAL_ERROR "No ${file}: install NSIS (scripts/setup.sh does), or set PARLUNE_NSIS_LANGUAGE_FILES")
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${file}")
    file(READ "${file}" content)
    string(APPEND text "constexpr char kEnglish_${kind}[] = R\"nsisfile(${content})nsisfile\";\n")
  endforeach()
  set(output ${output_dir}/nsis_english_files.inc)
  if(EXISTS ${output})
    file(READ ${output} old)
  else()
    set(old "")
  endif()
  if(NOT old STREQUAL text)
    file(WRITE ${output} "${text}")
  endif()
endfunction()
