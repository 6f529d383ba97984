// The libFuzzer entry of one fuzz executable; TORVIK_FUZZ_FUNCTION names its target.
#include "targets/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return torvik::fuzz::TORVIK_FUZZ_FUNCTION(data, size);
}
