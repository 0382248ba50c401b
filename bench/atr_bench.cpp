// Measures the command-line converter on generated attribute files against cp, its peak memory
// on a small and a large file and, given the GUI benchmark, the desktop program on the same file.
// Usage:
//   brelvo_bench BRELVO_CONVERT [MEGABYTES] [FOLDER] [BRELVO_GUI_BENCH]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

struct Measurement {
    double seconds;
    long peakKilobytes;
};

// Each run starts with no dirty pages waiting, so that one run's writes do not slow the next.
Measurement Run(const std::vector<std::string>& command) {
    sync();
    std::vector<char*> argv;
    for (const auto& part : command) {
        argv.push_back(const_cast<char*>(part.c_str()));
    }
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "command failed: %s\n", command[0].c_str());
        std::exit(1);
    }
    return {std::chrono::duration<double>(end - start).count(), usage.ru_maxrss};
}

// Realistic material blocks of 5 to 12 lines, mostly CR LF, some LF, some with option lines.
void Generate(const std::string& path, std::uint64_t bytes) {
    std::ofstream out(path, std::ios::binary);
    std::mt19937 random(42);
    std::uint64_t written = 0;
    std::string block;
    for (int n = 0; written < bytes; ++n) {
        const char* eol = random() % 10 == 0 ? "\n" : "\r\n";
        block = "material mat_" + std::to_string(n) + eol;
        const int lines = 3 + static_cast<int>(random() % 8);
        for (int i = 0; i < lines; ++i) {
            switch (random() % 6) {
                case 0:
                    block += "\tspc ( 0.800 0.800 0.800 )";
                    break;
                case 1:
                    block += "\topt ( smooth 1 )";
                    break;
                case 2:
                    block += "\tdif ( 0.640 0.512 0.333 )";
                    break;
                case 3:
                    block += "\ttex ( \"textures/mat_" + std::to_string(n) + ".png\" )";
                    break;
                default:
                    block += "\tamb ( 0.100 0.100 0.100 )";
                    break;
            }
            block += eol;
        }
        block += "}";
        block += eol;
        out << block;
        written += block.size();
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s BRELVO_CONVERT [MEGABYTES] [FOLDER] [BRELVO_GUI_BENCH]\n", argv[0]);
        return 2;
    }
    const std::string convert = std::filesystem::absolute(argv[1]).string();
    const std::uint64_t megabytes = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 200;
    const std::string folder = argc > 3 ? argv[3] : std::filesystem::temp_directory_path().string();
    const std::string source = folder + "/brelvo-bench-source.atr";
    const std::string work = folder + "/brelvo-bench-work.atr";
    const std::string copy = folder + "/brelvo-bench-copy.atr";
    const std::string small = folder + "/brelvo-bench-small.atr";
    const std::string spare = folder + "/brelvo-bench-spare.atr";

    Generate(source, megabytes * 1000 * 1000);
    Generate(small, megabytes * 100 * 1000);
    const double inputMB = static_cast<double>(std::filesystem::file_size(source)) / 1e6;

    std::vector<double> convertTimes;
    std::vector<double> copyTimes;
    std::vector<double> userCopyTimes;
    std::vector<double> removeTimes;
    long peakLarge = 0;
    for (int round = 0; round < 3; ++round) {
        std::filesystem::copy_file(source, work, std::filesystem::copy_options::overwrite_existing);
        const auto converted = Run({convert, work});
        convertTimes.push_back(converted.seconds);
        peakLarge = std::max(peakLarge, converted.peakKilobytes);
        std::filesystem::remove(copy);
        copyTimes.push_back(Run({"/bin/cp", work, copy}).seconds);
        std::filesystem::remove(copy);
        // cp copies inside the kernel; dd moves the bytes through the program like a converter.
        userCopyTimes.push_back(
            Run({"/bin/dd", "if=" + work, "of=" + copy, "bs=256K", "status=none"}).seconds);
        // Deleting the backup is part of every conversion that keeps none.
        std::filesystem::copy_file(source, spare, std::filesystem::copy_options::overwrite_existing);
        removeTimes.push_back(Run({"/bin/rm", spare}).seconds);
    }
    const double outputMB = static_cast<double>(std::filesystem::file_size(work)) / 1e6;
    const auto smallRun = Run({convert, small});

    const double convertSeconds = Median(convertTimes);
    const double copySeconds = Median(copyTimes);
    std::printf("input %.0f MB, output %.0f MB, median of 3 runs\n", inputMB, outputMB);
    std::printf("%-34s %8.3f s %8.0f MB/s\n", "brelvo-convert", convertSeconds, inputMB / convertSeconds);
    std::printf("%-34s %8.3f s %8.0f MB/s\n", "cp of the output", copySeconds, outputMB / copySeconds);
    const double userCopySeconds = Median(userCopyTimes);
    std::printf("%-34s %8.3f s %8.0f MB/s\n", "dd bs=256K of the output", userCopySeconds,
                outputMB / userCopySeconds);
    const double removeSeconds = Median(removeTimes);
    std::printf("%-34s %8.3f s\n", "rm of a file the size of the input", removeSeconds);
    std::printf("%-34s %8.2f x\n", "convert / cp", convertSeconds / copySeconds);
    // Writing the output and deleting the backup: what any in-place conversion costs at least.
    std::printf("%-34s %8.2f x\n", "(cp + rm) / cp", (copySeconds + removeSeconds) / copySeconds);
    std::printf("%-34s %8.2f x\n", "convert / (cp + rm)", convertSeconds / (copySeconds + removeSeconds));
    std::printf("%-34s %8.2f x\n", "convert / dd", convertSeconds / userCopySeconds);
    std::printf("%-34s %8.1f MB\n", ("peak memory, " + std::to_string(megabytes / 10) + " MB input").c_str(),
                static_cast<double>(smallRun.peakKilobytes) / 1024);
    std::printf("%-34s %8.1f MB\n", ("peak memory, " + std::to_string(megabytes) + " MB input").c_str(),
                static_cast<double>(peakLarge) / 1024);
    if (argc > 4) {
        // The desktop program's run through its real progress window, on the offscreen platform.
        const std::string gui = std::filesystem::absolute(argv[4]).string();
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        std::fflush(stdout);
        const std::string command = "'" + gui + "' '" + convert + "' '" + source + "' 2> /dev/null";
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "GUI benchmark failed\n");
        }
    }
    for (const auto& path : {source, work, copy, small, spare}) {
        std::filesystem::remove(path);
    }
    return 0;
}
