// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-built UDS-1992 byte images for reader tests, encoded independently of
// the library's writer.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace udstest {

enum class Encoding { IEEE, SUN, VAX };

class Image {
public:
    Image(std::size_t records, Encoding encoding) : bytes(records * 512, 0), encoding_(encoding) {}

    void Text(std::size_t offset, std::size_t width, const std::string& text, char pad = ' ')
    {
        for (std::size_t i = 0; i < width; ++i) bytes[offset + i] = i < text.size() ? text[i] : pad;
    }
    void Int(std::size_t offset, std::int32_t value)
    {
        std::uint32_t u;
        std::memcpy(&u, &value, 4);
        Put(offset, u, encoding_ == Encoding::SUN);
    }
    void Real(std::size_t offset, float value)
    {
        std::uint32_t u;
        std::memcpy(&u, &value, 4);
        if (encoding_ != Encoding::VAX) return Put(offset, u, encoding_ == Encoding::SUN);
        // VAX F: IEEE little-endian bytes i0 i1 i2 i3 are stored as i2 (i3 + 1) i0 i1.
        if ((u & 0x7fffffffu) == 0) return Put(offset, 0, false);
        const unsigned char i[4] = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                                    static_cast<unsigned char>(u >> 16), static_cast<unsigned char>(u >> 24)};
        bytes[offset] = i[2];
        bytes[offset + 1] = static_cast<unsigned char>(i[3] + 1);
        bytes[offset + 2] = i[0];
        bytes[offset + 3] = i[1];
    }
    void Raw(std::size_t offset, std::initializer_list<unsigned char> raw)
    {
        for (unsigned char b : raw) bytes[offset++] = b;
    }

    // A data record: tag and values from slot 0.
    void Data(std::size_t record, const std::string& tag, const std::vector<float>& values)
    {
        Text(record * 512, 12, tag);
        for (std::size_t j = 0; j < values.size(); ++j) Real(record * 512 + 12 + 4 * j, values[j]);
    }

    std::vector<unsigned char> bytes;

private:
    void Put(std::size_t offset, std::uint32_t u, bool big)
    {
        for (int k = 0; k < 4; ++k)
            bytes[offset + static_cast<std::size_t>(big ? 3 - k : k)] =
                static_cast<unsigned char>(u >> (8 * k));
    }
    Encoding encoding_;
};

inline const char* NumForm(Encoding e)
{
    return e == Encoding::IEEE ? "IEEE" : e == Encoding::SUN ? "SUN" : "VAX";
}

// Test record and curve record (at 512) with the given data form and indices;
// data records follow from record 2.
inline Image Basic(Encoding e, const std::string& fileform, std::int32_t nfp, std::int32_t nlp, float del,
                   std::size_t dataRecords)
{
    Image img(2 + dataRecords, e);
    img.Text(0, 12, "UDS-1992");
    img.Int(12, 1);
    img.Text(16, 10, fileform);
    img.Text(26, 5, NumForm(e));
    img.Text(31, 3, "MET");
    img.Text(512, 12, "CURVE HDR");
    img.Int(512 + 278, nfp);
    img.Int(512 + 282, nlp);
    img.Real(512 + 286, del);
    return img;
}

}  // namespace udstest
