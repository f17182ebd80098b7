// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: parse arbitrary bytes as a UDS-1992 file image, and the
// same bytes padded to whole records; whatever is accepted must be consistent
// and convertible into a signal.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "core/signal.h"
#include "formats/uds_file.h"
#include "formats/uds_signal.h"

namespace {

void Check(bool condition)
{
    if (!condition) __builtin_trap();
}

void ReadImage(const std::uint8_t* data, std::size_t size)
{
    ko::CUDSFile file;
    try {
        file.ReadBuffer(data, size);
    } catch (const std::logic_error&) {
        return;
    }
    const std::size_t n = file.GetPointCount();
    Check(n >= 2);
    Check(static_cast<std::int64_t>(n) == std::int64_t{file.GetNLP()} - file.GetNFP() + 1);
    Check(file.GetX().size() == n && file.GetZ().empty());
    Check(file.GetPoints().size() == n);
    ko::CNSignal signal;
    SetFromUDSFile(signal, file);
    Check(signal.GetY().size() == n && signal.GetPointCount() == static_cast<int>(n));
    ko::CUDSFile back;
    ToUDSFile(signal, back);
    Check(back.GetPointCount() == n);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ReadImage(data, size);
    if (size % 512 != 0) {
        std::vector<std::uint8_t> padded(data, data + size);
        padded.resize((size / 512 + 1) * 512, 0);
        ReadImage(padded.data(), padded.size());
    }
    return 0;
}
