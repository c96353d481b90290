#pragma once
// The lines of a text-mode file computed the plain way, over the whole
// content at once, to hold the streaming reader against.

#include <string>
#include <vector>

namespace dalvorn::fuzz {

inline std::vector<std::string> ReferenceTextLines(const std::string& content)
{
    const std::string text = content.substr(0, content.find('\x1A'));
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

}  // namespace dalvorn::fuzz
