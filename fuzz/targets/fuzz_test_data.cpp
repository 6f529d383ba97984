// ".ted" files: the tuning values at the start of the file.
#include "factory/test_data.h"
#include "fuzz_targets.h"

namespace torvik::fuzz {

int FuzzTestData(const std::uint8_t* data, std::size_t size) {
    TestData testData{};
    (void)ParseTestDataBytes(AsText(data, size), testData);
    return 0;
}

}  // namespace torvik::fuzz
