#pragma once
#include <windows.h>

#include <string>

namespace Tarvex {

// A font description whose Windows font is made on first use and kept.
class FontSpec {
 public:
  FontSpec();
  FontSpec(const std::string& face, int fontHeight);
  ~FontSpec();
  FontSpec(const FontSpec&) = delete;
  FontSpec& operator=(const FontSpec&) = delete;

  HFONT Handle();

  HFONT handle = nullptr;
  std::wstring faceName;
  int height = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool fixedPitch = false;
};

}  // namespace Tarvex
