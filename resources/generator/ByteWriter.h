// Little-endian binary output for the file formats the generator writes.
#ifndef ZORVIK_RESGEN_BYTE_WRITER_H
#define ZORVIK_RESGEN_BYTE_WRITER_H

#include <cstdint>
#include <string>
#include <vector>

class ByteWriter {
 public:
  void U8(uint8_t value) { bytes_.push_back(value); }
  void U16(uint16_t value) {
    U8(value & 0xFF);
    U8(value >> 8);
  }
  void U32(uint32_t value) {
    U16(value & 0xFFFF);
    U16(value >> 16);
  }
  void I32(int32_t value) { U32(static_cast<uint32_t>(value)); }
  void Tag(const char (&fourCharacters)[5]) {
    for (int i = 0; i < 4; ++i) U8(static_cast<uint8_t>(fourCharacters[i]));
  }
  void Append(const std::vector<uint8_t>& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }
  size_t Size() const { return bytes_.size(); }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

// Writes the bytes to path, replacing the file; false when that fails.
bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

#endif
