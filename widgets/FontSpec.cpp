#include "widgets/FontSpec.h"

#include "support/Text.h"

namespace Tarvex {

FontSpec::FontSpec() : faceName(L"System") {}

FontSpec::FontSpec(const std::string& face, int fontHeight) : faceName(ToWide(face)), height(fontHeight) {}

FontSpec::~FontSpec() {
  if (handle != nullptr) DeleteObject(handle);
}

HFONT FontSpec::Handle() {
  // Made once and kept: every window and paint that uses this description
  // shares the one font. A failed creation is tried again on the next call.
  if (handle == nullptr) {
    handle = CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic ? TRUE : FALSE, underline ? TRUE : FALSE,
                         FALSE, DEFAULT_CHARSET, OUT_OUTLINE_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                         fixedPitch ? FIXED_PITCH : 0, faceName.c_str());
  }
  return handle;
}

}  // namespace Tarvex
