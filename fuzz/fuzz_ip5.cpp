// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: read arbitrary bytes as an IP5 intrusion file; whatever is
// accepted must write out and read back to the same points.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "formats/ip5_file.h"

namespace {

void Check(bool condition)
{
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    ko::CIP5File file(101);
    try {
        file.Read(text);
    } catch (const std::logic_error&) {
        return 0;
    }
    std::string written;
    Check(file.ToString(written));
    ko::CIP5File back(101);
    back.Read(written);
    const auto& before = file.GetIntrusions();
    const auto& after = back.GetIntrusions();
    Check(before.size() == after.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        Check(before[i]->GetTSTNO() == 101 && after[i]->GetTSTNO() == 101);
        Check(before[i]->GetVEHNO() == after[i]->GetVEHNO() && before[i]->GetIPNO() == after[i]->GetIPNO());
        Check(before[i]->GetIPLOC() == after[i]->GetIPLOC() &&
              before[i]->GetTSTREF() == after[i]->GetTSTREF());
    }
    return 0;
}
