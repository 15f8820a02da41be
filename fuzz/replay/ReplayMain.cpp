// Replays kept inputs through a fuzz target's entry function without libFuzzer:
//   replay_<name> CORPUS [FINDINGS...]
// CORPUS must hold at least one input (a target with no seeds exists only on
// paper); the other folders may be missing. A crash, a sanitizer report or an
// abort in the entry function fails the run, naming the input first.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> InputsIn(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> inputs;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.is_regular_file() && entry.path().filename().string().front() != '.')
            inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

void Replay(const std::filesystem::path& input)
{
    std::fprintf(stderr, "replaying %s\n", input.string().c_str());
    std::ifstream in(input, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // A copy of exactly the input's size, so reading one byte past it is caught.
    std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    LLVMFuzzerTestOneInput(data.data(), data.size());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS [FINDINGS...]\n", argv[0]);
        return 2;
    }
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const auto inputs = InputsIn(argv[i]);
        if (i == 1 && inputs.empty()) {
            std::fprintf(stderr, "no seed inputs in %s\n", argv[i]);
            return 1;
        }
        for (const auto& input : inputs)
            Replay(input);
        replayed += inputs.size();
    }
    std::printf("%zu inputs replayed without a fault\n", replayed);
    return 0;
}
