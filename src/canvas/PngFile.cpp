#include "canvas/PngFile.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

namespace amsim {

namespace {

using Bytes = std::vector<std::uint8_t>;

// CRC-32 of ISO 3309, as PNG's chunks carry it.
std::uint32_t crc32(const Bytes& bytes, std::size_t from) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> entries{};
        for (std::uint32_t n = 0; n < entries.size(); ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1U) : c >> 1U;
            }
            entries.at(n) = c;
        }
        return entries;
    }();
    std::uint32_t c = 0xFFFFFFFFU;
    for (std::size_t i = from; i < bytes.size(); ++i) {
        c = table.at((c ^ bytes[i]) & 0xFFU) ^ (c >> 8U);
    }
    return c ^ 0xFFFFFFFFU;
}

// Adler-32, the zlib stream's check of the uncompressed bytes.
std::uint32_t adler32(const Bytes& bytes) {
    constexpr std::uint32_t kModulus = 65521;
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t byte : bytes) {
        a = (a + byte) % kModulus;
        b = (b + a) % kModulus;
    }
    return (b << 16U) | a;
}

void appendBigEndian(Bytes& out, std::uint32_t value) {
    constexpr std::array<unsigned, 4> kShifts{24, 16, 8, 0};
    std::transform(kShifts.begin(), kShifts.end(), std::back_inserter(out),
                   [value](unsigned shift) { return static_cast<std::uint8_t>(value >> shift); });
}

void appendChunk(Bytes& out, std::string_view type, const Bytes& data) {
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    appendBigEndian(out, crc32(out, typeStart));
}

// Deflate's bits, first bit in the lowest place of each byte.
class BitWriter {
public:
    explicit BitWriter(Bytes& out)
        : out_(out) {}
    void bits(std::uint32_t value, unsigned count) {
        for (unsigned i = 0; i < count; ++i) {
            put((value >> i) & 1U);
        }
    }
    // A Huffman code, written from its highest bit.
    void code(std::uint32_t value, unsigned count) {
        for (unsigned i = count; i > 0; --i) {
            put((value >> (i - 1)) & 1U);
        }
    }
    void flush() {
        if (used_ > 0) {
            out_.push_back(current_);
            current_ = 0;
            used_ = 0;
        }
    }

private:
    void put(std::uint32_t bit) {
        current_ = static_cast<std::uint8_t>(current_ | (bit << used_));
        if (++used_ == 8) {
            flush();
        }
    }
    Bytes& out_;
    std::uint8_t current_ = 0;
    unsigned used_ = 0;
};

// The fixed Huffman code of a literal (0–255), the end (256) or a length (257–285).
void literalOrLength(BitWriter& writer, unsigned symbol) {
    if (symbol < 144) {
        writer.code(0x30U + symbol, 8);
    } else if (symbol < 256) {
        writer.code(0x190U + symbol - 144, 9);
    } else if (symbol < 280) {
        writer.code(symbol - 256, 7);
    } else {
        writer.code(0xC0U + symbol - 280, 8);
    }
}

// Deflate's length and distance symbols: the first value of each, and how
// many extra bits say how far beyond it a value lies.
constexpr std::array<unsigned, 29> kLengthBases{3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<unsigned, 29> kLengthExtraBits{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                    2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<unsigned, 30> kDistanceBases{
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<unsigned, 30> kDistanceExtraBits{0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                      4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                      9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// The last symbol whose first value is at or below value.
template <std::size_t N>
std::size_t symbolOf(const std::array<unsigned, N>& bases, unsigned value) {
    const auto after = std::upper_bound(bases.begin(), bases.end(), value);
    return static_cast<std::size_t>(after - bases.begin()) - 1;
}

void match(BitWriter& writer, unsigned length, unsigned distance) {
    // 258 has a symbol of its own; 227 + 31 would say it too, longer.
    const std::size_t lengthSymbol = symbolOf(kLengthBases, length);
    literalOrLength(writer, 257 + static_cast<unsigned>(lengthSymbol));
    writer.bits(length - kLengthBases.at(lengthSymbol), kLengthExtraBits.at(lengthSymbol));
    const std::size_t distanceSymbol = symbolOf(kDistanceBases, distance);
    writer.code(static_cast<std::uint32_t>(distanceSymbol), 5);
    writer.bits(distance - kDistanceBases.at(distanceSymbol),
                kDistanceExtraBits.at(distanceSymbol));
}

// How many bytes from at repeat those distance before, up to deflate's 258.
unsigned repeated(const Bytes& raw, std::size_t at, std::size_t distance) {
    if (at < distance) {
        return 0;
    }
    unsigned length = 0;
    while (length < 258 && at + length < raw.size() &&
           raw[at + length] == raw[at + length - distance]) {
        ++length;
    }
    return length;
}

// The rows, each after its filter byte 0 (none), as one deflate block of the
// fixed code in a zlib stream. A picture's flat areas repeat the pixel
// before or the one above, and only those two distances are looked at.
Bytes zlibFixed(const Bytes& raw, std::size_t pixelBytes, std::size_t rowBytes) {
    Bytes out{0x78, 0x01};
    BitWriter writer(out);
    writer.bits(1, 1); // the last block
    writer.bits(1, 2); // of the fixed code
    for (std::size_t at = 0; at < raw.size();) {
        const unsigned besidePixel = repeated(raw, at, pixelBytes);
        const unsigned abovePixel = repeated(raw, at, rowBytes);
        const unsigned length = std::max(besidePixel, abovePixel);
        if (length >= 3) {
            match(writer, length,
                  static_cast<unsigned>(besidePixel >= abovePixel ? pixelBytes : rowBytes));
            at += length;
        } else {
            literalOrLength(writer, raw[at]);
            ++at;
        }
    }
    literalOrLength(writer, 256);
    writer.flush();
    appendBigEndian(out, adler32(raw));
    return out;
}

} // namespace

std::vector<std::uint8_t> pngOf(std::size_t width, std::size_t height, PngColour colour,
                                const std::vector<std::uint8_t>& pixels) {
    const std::size_t rowBytes = width * static_cast<std::size_t>(colour);
    Bytes raw;
    raw.reserve(height * (rowBytes + 1));
    for (std::size_t y = 0; y < height; ++y) {
        raw.push_back(0);
        const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y * rowBytes);
        raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(rowBytes));
    }
    Bytes header;
    appendBigEndian(header, static_cast<std::uint32_t>(width));
    appendBigEndian(header, static_cast<std::uint32_t>(height));
    // 8 bits a channel, RGB (2) or RGBA (6), deflate, one filter method, no interlace.
    const std::uint8_t colourType = colour == PngColour::Rgb ? 2 : 6;
    header.insert(header.end(), {8, colourType, 0, 0, 0});
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", zlibFixed(raw, static_cast<std::size_t>(colour), rowBytes + 1));
    appendChunk(png, "IEND", {});
    return png;
}

} // namespace amsim
