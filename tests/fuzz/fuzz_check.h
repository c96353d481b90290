#pragma once
// What the fuzz targets share: the libFuzzer entry point, a check that
// stops the run with a message when a property does not hold, and the
// piece size an input chooses for the file it is read from.

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

// The piece size a fuzz input's byte chooses: mostly small, 0xFF for the
// whole file in one read.
inline std::size_t PieceSize(std::uint8_t choice, std::size_t contentSize)
{
    return choice == 0xFF ? contentSize + 1 : std::size_t(choice) + 1;
}

}  // namespace dalvorn::fuzz
