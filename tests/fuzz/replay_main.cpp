// Runs a fuzz target's entry point once over every file in the folders (or
// files) named on the command line: the seed corpus and every input that
// once broke a property, replayed as part of the ordinary test suite.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_check.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsIn(const fs::path& place)
{
    std::vector<fs::path> inputs;
    if (fs::is_regular_file(place))
        inputs.push_back(place);
    else if (fs::is_directory(place))
        for (const fs::directory_entry& entry : fs::directory_iterator(place))
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
    return inputs;
}

std::string ContentOf(const fs::path& path)
{
    std::ifstream input(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv)
{
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const fs::path& input : InputsIn(argv[i])) {
            const std::string content = ContentOf(input);
            std::cout << "replaying " << input.string() << " (" << content.size() << " bytes)" << std::endl;
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(content.data()), content.size());
            ++replayed;
        }
    }
    std::cout << replayed << " inputs replayed" << std::endl;
    // A replay that finds nothing to replay has been pointed at the wrong place.
    return replayed > 0 ? 0 : 1;
}
