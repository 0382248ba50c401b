#pragma once

#include <string>

namespace brelvo {

// Paths reach the core as UTF-8; Windows takes them as UTF-16. Converting explicitly keeps
// Japanese names intact whatever the system's code page.
std::wstring WidePath(const std::string& utf8);

}  // namespace brelvo
