// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/packed_text.h"

#include <zlib.h>

#include <stdexcept>

#include "core/failure.h"

namespace ko {

std::string PackText(const std::string& text)
{
    uLongf size = compressBound(static_cast<uLong>(text.size()));
    std::string packed(size, '\0');
    if (compress(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(text.data()),
                 static_cast<uLong>(text.size())) != Z_OK)
        throw CFailure("Failure to pack the text.");
    packed.resize(size);
    return packed;
}

std::string UnpackText(const std::string& packed, std::size_t limit)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) throw CFailure("Failure to start unpacking.");
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    std::string text;
    char chunk[16384];
    int result = Z_OK;
    while (result == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        result = inflate(&stream, Z_NO_FLUSH);
        text.append(chunk, sizeof chunk - stream.avail_out);
        if (text.size() > limit) result = Z_MEM_ERROR;
    }
    const bool complete = result == Z_STREAM_END && stream.avail_in == 0;
    inflateEnd(&stream);
    if (!complete) throw CFailure("Invalid packed data: the body is not one complete zlib stream.");
    return text;
}

}  // namespace ko
