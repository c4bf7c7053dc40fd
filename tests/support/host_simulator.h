// Plays the installer host: keeps a string stack of entries laid out and
// allocated as the host allocates them, and calls exports with it, as a
// script's plug-in calls do.
#pragma once

#include <optional>
#include <string>

#include "plugin/host_extra_parameters.h"
#include "plugin/host_stack.h"
#include "std_interop.h"

using ExportFunction = void (*)(void* parentWindow, int stringSize, char16_t* variables, HostStackEntry** stackTop,
                                HostExtraParameters* extraParameters);

class HostSimulator {
public:
    static constexpr int kDefaultStringSize = 1024;

    explicit HostSimulator(int stringSize = kDefaultStringSize);
    ~HostSimulator();
    HostSimulator(const HostSimulator&) = delete;
    HostSimulator& operator=(const HostSimulator&) = delete;

    void Push(const std::u16string& text);
    std::optional<std::u16string> Pop();  // nothing when the stack is empty
    std::size_t Depth() const;

    void Call(ExportFunction function);
    // Calls with a null stack-top pointer, as a host without a stack would.
    void CallWithoutStack(ExportFunction function);

    // The usual script sequences.
    std::u16string CallInit(ExportFunction init, const std::u16string& directory, const std::u16string& tag);
    std::u16string CallGetStr(ExportFunction getStr, const std::u16string& key);

    int stringSize() const { return stringSize_; }
    // The block passed as the fifth argument; null (an old host) by default.
    void SetExtraParameters(HostExtraParameters* extraParameters) { extraParameters_ = extraParameters; }

private:
    int stringSize_;
    HostStackEntry* top_ = nullptr;
    char16_t* variables_;
    HostExtraParameters* extraParameters_ = nullptr;
};
