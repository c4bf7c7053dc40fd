// A text as a JSON string literal, for the reports and the files the checker
// writes.
#pragma once

#include <string>

std::string JsonQuoted(const std::string& text);
