// Converts one attribute file through the desktop program's real windows (a drop run, with the
// progress window drawing) and the same file with the command-line converter, and prints both
// times. Usage (offscreen platform is fine):
//   QT_QPA_PLATFORM=offscreen brelvo_gui_bench BRELVO_CONVERT FILE.atr
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "ErrorDisplay.h"
#include "TForm1.h"
#include "TForm2.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double TimeConverter(const char* convert, const std::string& file) {
    sync();
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(convert, convert, file.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return Seconds(start);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s BRELVO_CONVERT FILE.atr\n", argv[0]);
        return 2;
    }
    const std::string source = argv[2];
    const std::string work = source + ".bench.atr";
    brelvo::ErrorDisplay::SetPresenterForTests(
        [](const QString& text) { std::fprintf(stderr, "error: %s\n", text.toUtf8().constData()); });
    brelvo::TForm1 form1;
    brelvo::TForm2 form2(form1.progress(), &form1);
    form1.SetProgressWindow(&form2);
    form1.show();
    QApplication::processEvents();

    double best[2] = {1e9, 1e9};
    for (int round = 0; round < 3; ++round) {
        std::filesystem::copy_file(source, work, std::filesystem::copy_options::overwrite_existing);
        best[0] = std::min(best[0], TimeConverter(argv[1], work));
        std::filesystem::copy_file(source, work, std::filesystem::copy_options::overwrite_existing);
        sync();
        const auto start = std::chrono::steady_clock::now();
        form1.WMDropFiles({work});
        best[1] = std::min(best[1], Seconds(start));
    }
    std::filesystem::remove(work);
    std::printf("%-34s %8.3f s\n", "brelvo-convert", best[0]);
    std::printf("%-34s %8.3f s\n", "desktop program, progress window", best[1]);
    std::printf("%-34s %8.2f x\n", "desktop / converter", best[1] / best[0]);
    return 0;
}
