#pragma once
// The names a copy between volumes has until it is whole: the destination
// name followed by ".moving", then a number when that name is taken.

#include <optional>
#include <string>

namespace dalvorn {

// The names tried, in order, are those of attempts 0 to kPartialCopyNames - 1.
inline constexpr int kPartialCopyNames = 100;

std::wstring PartialCopyName(const std::wstring& target, int attempt);

// The gauge's name when `name` is that of one of its partial copies.
std::optional<std::wstring> GaugeNameOfPartialCopy(const std::wstring& name);

}  // namespace dalvorn
