#include "support/zip_builder.h"

#include <array>

namespace cantiva::test_support {
namespace {

std::uint32_t Crc32(const std::string& bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : bytes)
        crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void Put(std::string& out, std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

struct Sizes {
    std::uint64_t packed;
    std::uint64_t unpacked;
    bool zip64;
};

// The sizes as the fixed fields hold them, and the zip64 extra field when they do not fit.
std::string SizeFields(const Sizes& s, std::string& extra) {
    std::string fields;
    Put(fields, s.zip64 ? 0xFFFFFFFFu : s.packed, 4);
    Put(fields, s.zip64 ? 0xFFFFFFFFu : s.unpacked, 4);
    if (s.zip64) {
        Put(extra, 1, 2);
        Put(extra, 16, 2);
        Put(extra, s.unpacked, 8);
        Put(extra, s.packed, 8);
    }
    return fields;
}

std::string StoredBlock(const std::string& bytes) {
    std::string out(1, '\x01');
    Put(out, bytes.size(), 2);
    Put(out, ~bytes.size() & 0xFFFF, 2);
    return out + bytes;
}

} // namespace

std::string ZipArchive(const std::vector<ZipEntry>& entries) {
    std::string out;
    std::string central;
    for (const ZipEntry& e : entries) {
        const bool deflate = e.deflated || !e.raw.empty();
        const std::string data = !e.raw.empty() ? e.raw
                                 : e.deflated   ? StoredBlock(e.bytes)
                                                : e.bytes;
        const Sizes sizes{data.size(), e.declared.value_or(e.bytes.size()),
                          e.declared.value_or(0) >= 0xFFFFFFFFu};
        std::string extra;
        const std::string sizeFields = SizeFields(sizes, extra);
        std::string common;
        Put(common, sizes.zip64 ? 45 : 20, 2); // version needed
        Put(common, 0x0800, 2);                // UTF-8 names
        Put(common, deflate ? 8 : 0, 2);
        Put(common, 0x5A21, 4); // a fixed time and date
        Put(common, Crc32(e.bytes), 4);
        common += sizeFields;
        Put(common, e.name.size(), 2);
        Put(common, extra.size(), 2);

        Put(central, 0x02014B50, 4);
        Put(central, 0x031E, 2); // made by: Unix
        central += common;
        Put(central, 0, 2); // comment
        Put(central, 0, 2); // disk
        Put(central, 0, 2); // internal attributes
        Put(central, 0, 4); // external attributes
        Put(central, out.size(), 4);
        central += e.name + extra;

        Put(out, 0x04034B50, 4);
        out += common + e.name + extra + data;
    }
    const std::size_t centralStart = out.size();
    out += central;
    Put(out, 0x06054B50, 4);
    Put(out, 0, 4);
    Put(out, entries.size(), 2);
    Put(out, entries.size(), 2);
    Put(out, central.size(), 4);
    Put(out, centralStart, 4);
    Put(out, 0, 2);
    return out;
}

std::string DeflatedZeros(std::uint64_t count) {
    std::string out;
    std::uint32_t bits = 0;
    int used = 0;
    auto put = [&](std::uint32_t value, int n) { // least significant bit first
        bits |= value << used;
        used += n;
        while (used >= 8) {
            out += static_cast<char>(bits & 0xFF);
            bits >>= 8;
            used -= 8;
        }
    };
    // Fixed Huffman codes are sent most significant bit first.
    auto code = [&](std::uint32_t value, int n) {
        for (int i = n - 1; i >= 0; --i)
            put((value >> i) & 1, 1);
    };
    put(1, 1);     // the last block
    put(1, 2);     // fixed codes
    code(0x30, 8); // literal 0
    std::uint64_t left = count - 1;
    for (; left >= 258; left -= 258) {
        code(0xC5, 8); // length 258
        code(0, 5);    // distance 1
    }
    for (; left > 0; --left)
        code(0x30, 8);
    code(0, 7); // end of block
    put(0, 7);
    return out;
}

std::string ContainerNaming(const std::string& rootfile) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<container><rootfiles><rootfile "
           "full-path=\"" +
           rootfile +
           "\" media-type=\"application/vnd.recordare.musicxml+xml\"/>"
           "</rootfiles></container>";
}

} // namespace cantiva::test_support
