#include "support/host_simulator.h"

#include "platform/platform.h"

namespace {

// The host's variables area: a number of string-size slots the exports never touch.
constexpr int kVariableCount = 25;

}  // namespace

HostSimulator::HostSimulator(int stringSize)
    : stringSize_(stringSize), variables_(new char16_t[static_cast<std::size_t>(kVariableCount) * stringSize]()) {}

HostSimulator::~HostSimulator() {
    while (Pop()) {
    }
    delete[] variables_;
}

void HostSimulator::Push(const std::u16string& text) {
    auto* entry = static_cast<HostStackEntry*>(platform::AllocateStackEntry(StackEntryBytes(stringSize_)));
    platform::CopyWideBounded(entry->text, text.c_str(), static_cast<std::size_t>(stringSize_));
    entry->next = top_;
    top_ = entry;
}

std::optional<std::u16string> HostSimulator::Pop() {
    if (top_ == nullptr) return std::nullopt;
    HostStackEntry* entry = top_;
    std::u16string text(entry->text);
    top_ = entry->next;
    platform::FreeStackEntry(entry);
    return text;
}

std::size_t HostSimulator::Depth() const {
    std::size_t depth = 0;
    for (const HostStackEntry* entry = top_; entry != nullptr; entry = entry->next) ++depth;
    return depth;
}

void HostSimulator::Call(ExportFunction function) {
    function(nullptr, stringSize_, variables_, &top_, extraParameters_);
}

void HostSimulator::CallWithoutStack(ExportFunction function) {
    function(nullptr, stringSize_, variables_, nullptr, extraParameters_);
}

std::u16string HostSimulator::CallInit(ExportFunction init, const std::u16string& directory, const std::u16string& tag) {
    Push(tag);
    Push(directory);
    Call(init);
    return Pop().value_or(u"<nothing pushed>");
}

std::u16string HostSimulator::CallGetStr(ExportFunction getStr, const std::u16string& key) {
    Push(key);
    Call(getStr);
    return Pop().value_or(u"<nothing pushed>");
}
