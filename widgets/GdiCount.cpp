#include "widgets/GdiCount.h"

namespace Tarvex {

namespace {
std::int64_t aliveObjects = 0;
}  // namespace

void NoteGdiCreated(const void* handle) {
  if (handle != nullptr) ++aliveObjects;
}

BOOL ReleaseGdiObject(HGDIOBJ object) {
  if (object == nullptr) return FALSE;
  --aliveObjects;
  return DeleteObject(object);
}

BOOL ReleaseMemoryDC(HDC deviceContext) {
  if (deviceContext == nullptr) return FALSE;
  --aliveObjects;
  return DeleteDC(deviceContext);
}

std::int64_t GdiObjectsAlive() { return aliveObjects; }

}  // namespace Tarvex
