#pragma once

#include <filesystem>
#include <string>

namespace brelvo::test {

// A fresh folder for one test, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// A UTF-8 path as the standard library's path: a plain string would be read in the Windows
// code page and garble Japanese names.
std::filesystem::path Path(const std::string& utf8);

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool Exists(const std::string& path);

}  // namespace brelvo::test
