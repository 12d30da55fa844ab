// Runs a fuzz target on every file of its corpus folders, in name order, so that the ordinary test
// run keeps every saved input passing without libFuzzer.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER...\n", argv[0]);
        return 2;
    }
    std::size_t count = 0;
    try {
        for (int i = 1; i < argc; ++i) {
            std::vector<std::filesystem::path> files;
            for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            std::sort(files.begin(), files.end());
            for (const auto& file : files) {
                std::ifstream in(file, std::ios::binary);
                const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
                // Named before it runs, so a crash shows which input it was.
                std::printf("%s\n", file.c_str());
                std::fflush(stdout);
                LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
                ++count;
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    if (count == 0) {
        std::fprintf(stderr, "no inputs in the corpus\n");
        return 1;
    }
    std::printf("%zu inputs replayed\n", count);
    return 0;
}
