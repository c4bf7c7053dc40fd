#include "benchmark_inputs.h"

#include "language_text.h"

namespace {

BenchmarkInput MakeInput(std::string name, std::vector<std::string> texts) {
    std::size_t bytes = 0;
    for (const std::string& text : texts) bytes += text.size();
    return {std::move(name), std::move(texts), bytes};
}

}  // namespace

const std::vector<BenchmarkInput>& BenchmarkInputs() {
    static const std::vector<BenchmarkInput> inputs = [] {
        std::vector<BenchmarkInput> made;
        for (int members : {100, 1000, 10000, 100000}) {
            made.push_back(MakeInput(std::to_string(members) + " members", {MakeLanguageText(members)}));
        }
        made.push_back(MakeInput("example files", ReadExampleTexts(PARLUNE_EXAMPLE_LANGUAGES)));
        return made;
    }();
    return inputs;
}
