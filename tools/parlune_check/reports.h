// The folder report as text for people and as JSON for CI.
#pragma once

#include <string>

#include "folder_check.h"

std::string TextReport(const FolderReport& report);
std::string JsonReport(const FolderReport& report);
