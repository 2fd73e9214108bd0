"""Readers for the picture files the packages carry, written from the file
formats: Windows icons (16 colours with a mask), PNG, and the resources of a
Windows executable (its icons and version block)."""
import struct
import zlib


def ico_images(data):
    """Every image of an .ico file as {size: (image bytes, RGBA pixels)}; masked
    pixels come out as (0, 0, 0, 0)."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind) == (0, 1), "not an icon file"
    images = {}
    for i in range(count):
        width, height, _, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        width, height = width or 256, height or 256
        assert bits == 4 and width == height, "only 16-colour square images are read"
        image = data[offset:offset + size]
        header = struct.unpack_from("<I", image, 0)[0]
        palette = [image[header + 4 * c:header + 4 * c + 3] for c in range(16)]
        colour_row, mask_row = (width * 4 + 31) // 32 * 4, (width + 31) // 32 * 4
        colours = header + 64
        mask = colours + colour_row * height
        rgba = bytearray()
        for y in range(height):
            stored = height - 1 - y  # bottom-up
            for x in range(width):
                pair = image[colours + colour_row * stored + x // 2]
                index = pair >> 4 if x % 2 == 0 else pair & 0x0F
                clear = image[mask + mask_row * stored + x // 8] & (0x80 >> (x % 8))
                b, g, r = palette[index]
                rgba += b"\0\0\0\0" if clear else bytes((r, g, b, 255))
        images[width] = (image, bytes(rgba))
    return images


def png_rgba(data):
    """(width, height, RGBA pixels) of an 8-bit RGBA PNG; every chunk's CRC
    is checked and every row filter undone."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG file"
    at, chunks = 8, []
    while at < len(data):
        length, kind = struct.unpack_from(">I4s", data, at)
        body = data[at + 8:at + 8 + length]
        crc = struct.unpack_from(">I", data, at + 8 + length)[0]
        assert zlib.crc32(kind + body) == crc, f"bad CRC in {kind!r}"
        chunks.append((kind, body))
        at += 12 + length
    assert chunks[0][0] == b"IHDR" and chunks[-1][0] == b"IEND", "IHDR first and IEND last"
    width, height, depth, colour, compression, filtering, interlace = struct.unpack(">IIBBBBB", chunks[0][1])
    assert (depth, colour, compression, filtering, interlace) == (8, 6, 0, 0, 0), "8-bit RGBA, not interlaced"
    raw = zlib.decompress(b"".join(body for kind, body in chunks if kind == b"IDAT"))
    stride = width * 4
    assert len(raw) == height * (stride + 1), "one filter byte and one row per line"
    pixels, previous = bytearray(), bytearray(stride)
    for y in range(height):
        kind, row = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = row[x - 4] if x >= 4 else 0
            up, corner = previous[x], previous[x - 4] if x >= 4 else 0
            if kind == 1:
                row[x] = (row[x] + left) & 0xFF
            elif kind == 2:
                row[x] = (row[x] + up) & 0xFF
            elif kind == 3:
                row[x] = (row[x] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                row[x] = (row[x] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 0xFF
            else:
                assert kind == 0, f"unknown filter {kind}"
        pixels += row
        previous = row
    return width, height, bytes(pixels)


class PeFile:
    """A Windows executable's machine and resources."""

    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        assert data[pe:pe + 4] == b"PE\0\0", "not a PE file"
        self.machine, sections, _, _, _, optional_size = struct.unpack_from("<HHIIIH", data, pe + 4)
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        directories = optional + (112 if magic == 0x20B else 96)
        self.resource_rva = struct.unpack_from("<I", data, directories + 8 * 2)[0]
        self.sections = []
        for i in range(sections):
            at = optional + optional_size + 40 * i
            size, rva, raw_size, raw = struct.unpack_from("<IIII", data, at + 8)
            self.sections.append((rva, max(size, raw_size), raw))
        self.resources = {}
        if self.resource_rva:
            self._walk(self._offset(self.resource_rva), [])

    def _offset(self, rva):
        for start, size, raw in self.sections:
            if start <= rva < start + size:
                return raw + rva - start
        raise AssertionError(f"address {rva:#x} lies in no section")

    def _walk(self, directory, path):
        base = self._offset(self.resource_rva)
        named, numbered = struct.unpack_from("<HH", self.data, directory + 12)
        for i in range(named + numbered):
            name, target = struct.unpack_from("<II", self.data, directory + 16 + 8 * i)
            if target & 0x80000000:
                self._walk(base + (target & 0x7FFFFFFF), path + [name])
            else:
                rva, size = struct.unpack_from("<II", self.data, base + target)
                key = (path[0], path[1]) if len(path) >= 2 else tuple(path)
                self.resources.setdefault(key, []).append(self.data[self._offset(rva):self._offset(rva) + size])

    def of_type(self, kind):
        return [data for (t, _), items in self.resources.items() if t == kind for data in items]

    def version(self):
        """(file version, product version, {string name: value}) of the
        version block."""
        block = self.of_type(16)[0]
        fixed = block.find(struct.pack("<I", 0xFEEF04BD))
        file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<IIII", block, fixed + 8)
        dotted = lambda ms, ls: f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"
        strings = {}
        self._strings(block, 0, len(block), strings)
        return dotted(file_ms, file_ls), dotted(product_ms, product_ls), strings

    def _strings(self, block, at, end, strings):
        """Walks the nested (length, value length, type, key, value, children)
        records; a text record (type 1) below a string table is one value."""
        while at + 6 <= end:
            length, value_length, kind = struct.unpack_from("<HHH", block, at)
            if length == 0:
                break
            key_end = at + 6
            while block[key_end:key_end + 2] != b"\0\0":
                key_end += 2
            key = block[at + 6:key_end].decode("utf-16-le")
            value_at = (key_end + 2 + 3) & ~3
            if kind == 1 and value_length:
                strings[key] = block[value_at:value_at + 2 * value_length].decode("utf-16-le").rstrip("\0")
                children_at = value_at + 2 * value_length
            else:
                children_at = value_at + value_length
            self._strings(block, (children_at + 3) & ~3, at + length, strings)
            at = (at + length + 3) & ~3
