#include "partial_copy_name.h"

#include <cwctype>

namespace dalvorn {

namespace {

const wchar_t kCopySuffix[] = L".moving";
const wchar_t kGaugeExtension[] = L".gau";

std::wstring Numbering(int attempt)
{
    return attempt == 0 ? std::wstring() : std::to_wstring(attempt);
}

bool EndsWithIgnoringCase(const std::wstring& text, const std::wstring& end)
{
    if (text.size() <= end.size())
        return false;
    for (std::size_t i = 0; i < end.size(); ++i) {
        if (std::towlower(text[text.size() - end.size() + i]) != end[i])
            return false;
    }
    return true;
}

}  // namespace

std::wstring PartialCopyName(const std::wstring& target, int attempt)
{
    return target + kCopySuffix + Numbering(attempt);
}

std::optional<std::wstring> GaugeNameOfPartialCopy(const std::wstring& name)
{
    const std::size_t suffix = name.rfind(kCopySuffix);
    if (suffix == std::wstring::npos)
        return std::nullopt;
    const std::wstring gauge = name.substr(0, suffix);
    if (!EndsWithIgnoringCase(gauge, kGaugeExtension))
        return std::nullopt;
    for (int attempt = 0; attempt < kPartialCopyNames; ++attempt) {
        if (PartialCopyName(gauge, attempt) == name)
            return gauge;
    }
    return std::nullopt;
}

}  // namespace dalvorn
