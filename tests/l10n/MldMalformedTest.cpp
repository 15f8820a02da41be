// Every malformed image ever found (by the fuzzer or by hand) is replayed:
// each must end in one of the reader's errors, never a crash or a hang.

#include "ExerciseMldReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

TEST(MldMalformed, EveryKeptInputEndsInAnError)
{
    const std::filesystem::path folder = std::filesystem::path(TANKORA_TEST_DATA_DIR) / "malformed";
    int replayed = 0;
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(file.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        SCOPED_TRACE(file.path().filename().string());
        try {
            ExerciseMldReader(bytes.str());
        } catch (const std::exception&) {
            // a refused header
        }
        ++replayed;
    }
    EXPECT_GT(replayed, 0);
}
