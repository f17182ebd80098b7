// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: read arbitrary bytes as a component test's EV5 and EV5
// Extension file; whatever is accepted must write out and read back.
#include <cstddef>
#include <cstdint>

#include "formats/ev5_component.h"
#include "fuzz/fuzz_ev5.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return ev5fuzz::FuzzOne<ko::CEV5Com, ko::CEV5ComExt, ko::CComTest>(data, size);
}
