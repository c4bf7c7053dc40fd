// Which file names the installer loads, and what a misnamed file should be called.
#pragma once

#include <string>
#include <vector>

// The base name ("de" for "de.json") when some language tag makes the
// installer open this file; empty otherwise. Letter case does not count, as
// on Windows file systems.
std::string LoadableBaseName(const std::string& fileName);

// The language tag a file name stands for: the name without ".json", in
// lower case ("de-at" for "de-AT.json").
std::string TagOfFileName(const std::string& fileName);

// The tags that select the file of a base name, for the report: "de, de-*",
// "en-GB, en-AG, en-AI, en-AT and 83 more", "cy, cy-*".
std::string SelectingTags(const std::string& baseName);

// For a file the installer never loads, the names it would load for the
// language the name seems to mean, best first: "pt_BR.json" gives
// pt-br.json, "de_AT.json" de-at.json, "zh-hans-cn.json" zh-cn.json. Empty
// when nothing fits.
std::vector<std::string> SuggestFileNames(const std::string& fileName);
