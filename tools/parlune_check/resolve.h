// Shows how the installer picks a language file for a tag.
#pragma once

#include <string>

// tag empty: the user's preferred UI language, as the plug-in takes it.
std::string ResolveReport(const std::u16string& tag, const std::string& utf8Folder);
