#include "CommandLine.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

namespace brelvo {

namespace {

double ParseRate(std::string_view text) {
    std::string_view digits = text;
    if (digits.starts_with('+')) {
        digits.remove_prefix(1);
    }
    double value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || digits.starts_with('-') != text.starts_with('-') || result.ec != std::errc() ||
        result.ptr != digits.data() + digits.size() || !std::isfinite(value)) {
        throw UsageError("invalid rate '" + std::string(text) + "': expected a decimal number such as 0.003");
    }
    return value;
}

int ParsePreset(std::string_view text) {
    if (text.size() != 1 || text[0] < '1' || text[0] > '4') {
        throw UsageError("invalid preset '" + std::string(text) + "': expected 1, 2, 3 or 4");
    }
    return text[0] - '0';
}

}  // namespace

CommandLine CommandLine::Parse(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool printOptions = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || !argument.starts_with("--")) {
            if (!optionsEnded && argument.size() > 1 && argument.starts_with('-')) {
                throw UsageError("unknown option '" + argument + "'");
            }
            line.files.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const auto equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        std::optional<std::string> value;
        if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        }
        const auto takeValue = [&]() -> std::string {
            if (value) {
                return *value;
            }
            if (i + 1 >= arguments.size()) {
                throw UsageError("option '" + name + "' needs a value");
            }
            return arguments[++i];
        };
        const auto noValue = [&] {
            if (value) {
                throw UsageError("option '" + name + "' takes no value");
            }
        };
        if (name == "--preset") {
            line.preset = ParsePreset(takeValue());
        } else if (name == "--rate") {
            line.rate = ParseRate(takeValue());
        } else if (name == "--keep-backup") {
            noValue();
            line.keepBackup = true;
        } else if (name == "--print-options") {
            noValue();
            printOptions = true;
        } else if (name == "--help") {
            noValue();
            line.action = Action::Help;
            return line;
        } else if (name == "--version") {
            noValue();
            line.action = Action::Version;
            return line;
        } else {
            throw UsageError("unknown option '" + name + "'");
        }
    }
    if (printOptions) {
        if (!line.files.empty() || line.keepBackup) {
            throw UsageError("--print-options takes no files and no --keep-backup");
        }
        line.action = Action::PrintOptions;
    } else if (line.files.empty()) {
        throw UsageError("no files to convert");
    }
    return line;
}

}  // namespace brelvo
