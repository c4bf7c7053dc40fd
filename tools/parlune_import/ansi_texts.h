// Texts of ANSI scripts: a script file that is neither UTF-8 nor UTF-16 held
// each language's texts in that language's code page, the one NSIS's own
// language file names, and the installers built from it showed them so. Its
// bytes above 0x7F travel through UTF-8 (and makensis) as marks, and each
// text is decoded once its language is known.
#pragma once

#include <string>

// The ANSI code page of an NSIS language id, as NSIS's language file (.nlf)
// gives it; 0 for a language NSIS keeps in Unicode alone (Armenian, Georgian,
// Hindi) or an id NSIS does not ship.
int AnsiCodePageOfLanguage(const std::string& nsisId);

// The bytes as UTF-8, each byte above 0x7F as its mark (U+F780 to U+F7FF).
std::string MarkAnsiBytes(const std::string& bytes);

bool HasAnsiMarks(const std::string& utf8);

// The marked runs of a text (marks with the ASCII around them) decoded in
// codePage; false when a text with marks meets codePage 0 or bytes that are
// no text in it.
bool DecodeAnsiMarks(const std::string& utf8, int codePage, std::string& decoded);
