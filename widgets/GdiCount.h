#pragma once
// Bookkeeping of the GDI objects the library makes and releases itself: every
// pen, brush, mask, memory context and owned bitmap the controls create goes
// through TrackGdi, and every release through ReleaseGdiObject or
// ReleaseMemoryDC. Windows has no way to count them under every platform the
// program runs on, so the library keeps its own balance.
#include <windows.h>

#include <cstdint>

namespace Tarvex {

// Counts a freshly created object (null is ignored).
void NoteGdiCreated(const void* handle);
// DeleteObject on an object the library created; null is ignored.
BOOL ReleaseGdiObject(HGDIOBJ object);
// DeleteDC on a memory device context the library created; null is ignored.
BOOL ReleaseMemoryDC(HDC deviceContext);
// Objects created minus objects released since the process started.
std::int64_t GdiObjectsAlive();

template <typename Handle>
Handle TrackGdi(Handle handle) {
  NoteGdiCreated(handle);
  return handle;
}

}  // namespace Tarvex
