#include "parser_table.h"

#include <cstdio>

void PrintParserTable(const char* title, const char* format, const ParserFigure& figure) {
    const auto& parsers = JsonParsersUnderTest();
    std::printf("%s\n%-16s", title, "input");
    for (const auto& parser : parsers) std::printf(" %17s", parser.name);
    std::printf("\n");
    for (const BenchmarkInput& input : BenchmarkInputs()) {
        std::printf("%-16s", input.name.c_str());
        for (const auto& parser : parsers) std::printf(format, figure(input, parser));
        std::printf("\n");
    }
}
