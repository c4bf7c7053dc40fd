// The tables both benchmark programs print: a row per input, a column per
// parser.
#pragma once

#include <functional>

#include "benchmark_inputs.h"
#include "json_peers.h"

using ParserFigure = std::function<double(const BenchmarkInput&, const JsonParserUnderTest&)>;

// Prints title, then the table; format prints one figure (for example " %17.1f").
void PrintParserTable(const char* title, const char* format, const ParserFigure& figure);
