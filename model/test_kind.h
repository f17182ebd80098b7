// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string_view>

namespace ko {

// The kind of a test, which names its database. The numeric values are the codes
// that files, settings and statements store; convert only at those edges.
enum class TestKind : int {
    None = 2,
    Biomechanics = 0x4,
    Component = 0x10,
    Vehicle = 0x100,
    CollisionWarning = 0x10000,
};

// Media kinds reuse the bits of the test kinds.
enum class MediaKind : int {
    None = 2,
    Photo = 0x4,
    Report = 0x10,
    Video = 0x100,
};

constexpr int KindCode(TestKind kind)
{
    return static_cast<int>(kind);
}
constexpr int KindCode(MediaKind kind)
{
    return static_cast<int>(kind);
}

// The kind of a stored code; nothing for a code that names no kind.
constexpr std::optional<TestKind> TestKindFromCode(int code)
{
    switch (code) {
        case KindCode(TestKind::None): return TestKind::None;
        case KindCode(TestKind::Biomechanics): return TestKind::Biomechanics;
        case KindCode(TestKind::Component): return TestKind::Component;
        case KindCode(TestKind::Vehicle): return TestKind::Vehicle;
        case KindCode(TestKind::CollisionWarning): return TestKind::CollisionWarning;
        default: return std::nullopt;
    }
}

constexpr std::optional<MediaKind> MediaKindFromCode(int code)
{
    switch (code) {
        case KindCode(MediaKind::None): return MediaKind::None;
        case KindCode(MediaKind::Photo): return MediaKind::Photo;
        case KindCode(MediaKind::Report): return MediaKind::Report;
        case KindCode(MediaKind::Video): return MediaKind::Video;
        default: return std::nullopt;
    }
}

// A set of test kinds (the databases a source offers, say): the OR of their codes.
class KindMask {
public:
    constexpr KindMask() = default;
    constexpr KindMask(TestKind kind) : bits_(static_cast<unsigned>(KindCode(kind))) {}
    // From a stored set of codes; bits that name no kind are kept as they are.
    static constexpr KindMask FromBits(unsigned bits)
    {
        KindMask mask;
        mask.bits_ = bits;
        return mask;
    }

    constexpr unsigned Bits() const { return bits_; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr bool Has(TestKind kind) const { return (bits_ & KindCode(kind)) != 0; }
    constexpr KindMask operator|(KindMask other) const { return FromBits(bits_ | other.bits_); }
    constexpr KindMask& operator|=(KindMask other)
    {
        bits_ |= other.bits_;
        return *this;
    }
    constexpr bool operator==(const KindMask&) const = default;

private:
    unsigned bits_ = 0;
};

constexpr KindMask operator|(TestKind a, TestKind b)
{
    return KindMask(a) | KindMask(b);
}

// Vehicle, component and biomechanics: the kinds whose tests can be loaded.
inline constexpr KindMask kLoadableKinds = TestKind::Vehicle | TestKind::Component | TestKind::Biomechanics;

// The loadable kind named by its database name ("vehdb", "comdb", "biodb").
constexpr std::optional<TestKind> LoadableKindFromName(std::string_view name)
{
    if (name == "vehdb") return TestKind::Vehicle;
    if (name == "comdb") return TestKind::Component;
    if (name == "biodb") return TestKind::Biomechanics;
    return std::nullopt;
}

}  // namespace ko
