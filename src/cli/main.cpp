#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
// after windows.h
#include <shellapi.h>
#else
#include <unistd.h>
#endif

#include "CommandLine.h"
#include "ConvertAtrFile.h"
#include "EdgeOptions.h"
#include "Progress.h"
#include "TerminalProgress.h"

namespace {

constexpr const char* kUsage =
    "Usage: brelvo-convert [--preset=N] [--rate=R] [--keep-backup] FILE...\n"
    "       brelvo-convert --print-options [--preset=N] [--rate=R]\n"
    "\n"
    "Prepares attribute files (.atr) for cel-shaded rendering, in place: every block gets the\n"
    "edge-shading options, every specular line the fixed low-specular line. Each file is moved\n"
    "to its backup name (the name less its last four characters, then \".BAK\") and rewritten\n"
    "under its own name; the backup is deleted afterwards unless --keep-backup is given.\n"
    "\n"
    "  --preset=N       shading-band preset 1 to 4 (default 4)\n"
    "  --rate=R         outline rate, a decimal number such as 0.003 or 1e-05 (default 0.003)\n"
    "  --keep-backup    keep each file's backup\n"
    "  --print-options  print the option text written after \"celllookedge\", then exit\n"
    "  --help           show this help\n"
    "  --version        show the version\n"
    "Options may be written as --opt=value or --opt value.\n"
    "\n"
    "Files are converted in order; the first failure stops the run (files before it stay\n"
    "converted, the failing file's content stays in its backup).\n"
    "Exit status: 0 all files converted, 1 a conversion failed, 2 usage error.\n";

#ifdef _WIN32
// The command line as UTF-8: the narrow argv of Windows holds the system code page, which
// cannot spell every file name.
std::vector<std::string> Arguments(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        const int length = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(static_cast<std::size_t>(length > 0 ? length - 1 : 0), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), length, nullptr, nullptr);
        arguments.push_back(std::move(argument));
    }
    LocalFree(wide);
    SetConsoleOutputCP(CP_UTF8);  // the messages are UTF-8 Japanese
    return arguments;
}

bool StandardErrorIsTerminal() {
    return _isatty(_fileno(stderr)) != 0;
}
#else
std::vector<std::string> Arguments(int argc, char** argv) {
    return {argv + 1, argv + argc};
}

bool StandardErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) != 0;
}
#endif

const char* FailureMessage(const std::exception& failure) {
    // A line is held whole, so a file of one giant line can exhaust memory; the content is then
    // safe in the backup.
    if (dynamic_cast<const std::bad_alloc*>(&failure) != nullptr) {
        return "not enough memory";
    }
    return failure.what();
}

int Convert(const brelvo::CommandLine& line, const std::string& edgeOptions) {
    const bool showProgress = StandardErrorIsTerminal();
    brelvo::TerminalProgress terminal(stderr);
    brelvo::Progress progress(showProgress ? &terminal : nullptr);
    terminal.Attach(progress);
    for (const std::string& file : line.files) {
        try {
            brelvo::ConvertAtrFile(file, edgeOptions, line.keepBackup, progress);
        } catch (const std::exception& failure) {
            terminal.Finish();
            std::fprintf(stderr, "brelvo-convert: %s: %s\n", file.c_str(), FailureMessage(failure));
            return 1;
        }
    }
    terminal.Finish();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments = Arguments(argc, argv);
    brelvo::CommandLine line;
    try {
        line = brelvo::CommandLine::Parse(arguments);
    } catch (const brelvo::UsageError& error) {
        std::fprintf(stderr, "brelvo-convert: %s\nTry 'brelvo-convert --help'.\n", error.what());
        return 2;
    }
    switch (line.action) {
        case brelvo::CommandLine::Action::Help:
            std::fputs(kUsage, stdout);
            return 0;
        case brelvo::CommandLine::Action::Version:
            std::printf("brelvo-convert %s\n", BRELVO_VERSION);
            return 0;
        default:
            break;
    }
    const std::string edgeOptions = brelvo::MakeEdgeOptions(line.preset - 1, line.rate);
    if (line.action == brelvo::CommandLine::Action::PrintOptions) {
        std::printf("%s\n", edgeOptions.c_str());
        return 0;
    }
    return Convert(line, edgeOptions);
}
