#pragma once
// What the fuzz targets share: the libFuzzer entry point and a check that
// stops the run with a message when a property does not hold.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace dalvorn::fuzz {

inline void Check(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

}  // namespace dalvorn::fuzz
