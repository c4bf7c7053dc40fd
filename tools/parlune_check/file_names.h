// Which file names the installer loads, and what a misnamed file should be called.
#pragma once

#include <string>
#include <vector>

// The base name ("de" for "de.json") when some language tag makes the
// installer open this file; empty otherwise. Letter case does not count, as
// on Windows file systems.
std::string LoadableBaseName(const std::string& fileName);

// For a file the installer never loads, the names it would load for the
// language the name seems to mean, best first: "de-de.json" gives de.json,
// "pt_BR.json" pt-br.json, "zh-hans.json" zh-cn.json, "zh.json" zh-cn.json
// and zh-tw.json. Empty when nothing fits.
std::vector<std::string> SuggestFileNames(const std::string& fileName);
