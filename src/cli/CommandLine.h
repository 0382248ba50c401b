#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace brelvo {

// What the command-line converter was asked to do.
struct CommandLine {
    enum class Action { Convert, PrintOptions, Help, Version };

    Action action = Action::Convert;
    int preset = 4;  // as the main window numbers its presets, 1 to 4
    double rate = 0.003;
    bool keepBackup = false;
    std::vector<std::string> files;

    // Throws UsageError for anything it does not understand.
    static CommandLine Parse(const std::vector<std::string>& arguments);
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace brelvo
