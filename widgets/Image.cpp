#include "widgets/Image.h"

#include "widgets/Drawing.h"
#include "widgets/GdiCount.h"
#include "widgets/StandardControl.h"

namespace Tarvex {

namespace {

// Shows the new picture (or none) first and only then frees the old one, so
// the control never holds a deleted bitmap whose handle Windows may reuse.
void ReplacePicture(Image& image, HBITMAP newBitmap) {
  HBITMAP old = image.bitmap;
  image.bitmap = newBitmap;
  if (image.window != nullptr) {
    auto previous = reinterpret_cast<HBITMAP>(
        SendMessageW(image.window, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(newBitmap)));
    // A control that kept a copy of a picture with alpha hands the copy back:
    // it is the control's, not ours, and only we can free it.
    if (previous != nullptr && previous != old) DeleteObject(previous);
  }
  ReleaseGdiObject(old);
}

}  // namespace

Image::Image(GUIElement* parentElement, int resourceId) : Child(nullptr), pictureResource(resourceId) {
  parent = parentElement;
  typeName = "image";
}

Image::~Image() {
  if (window != nullptr && IsWindow(window)) {
    SendMessageW(window, STM_SETIMAGE, IMAGE_BITMAP, 0);
  }
  ReleaseGdiObject(bitmap);
  bitmap = nullptr;
}

void Image::Create() {
  if (created) return;
  DWORD style = WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_BITMAP;
  if (!enabled) style |= WS_DISABLED;
  if (bordered) style |= WS_BORDER;
  if (CreateStandardControl(*this, L"static", style, bordered ? WS_EX_CLIENTEDGE : 0) == nullptr) return;
  created = true;
  if (pictureResource == -1) {
    SetPictureFile(picturePath);
  } else {
    SetPictureResource(pictureResource);
  }
  FinishStandardControl(*this);
}

void Image::SetPictureResource(int resourceId) {
  pictureResource = resourceId;
  picturePath.clear();
  if (!created || resourceId <= 0) return;
  HANDLE loaded = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0,
                             LR_CREATEDIBSECTION);
  ReplacePicture(*this, TrackGdi(static_cast<HBITMAP>(loaded)));
}

void Image::SetPictureFile(const std::string& path) {
  picturePath = path;
  pictureResource = -1;
  if (!created || path.empty()) return;
  ReplacePicture(*this, TrackGdi(Drawing::LoadBitmapFile(path)));
}

}  // namespace Tarvex
