#pragma once
#include <string>

#include "widgets/Child.h"

namespace Tarvex {

class Image : public Child {
 public:
  Image(GUIElement* parentElement, int resourceId);
  ~Image() override;
  void Create() override;

  void SetPictureResource(int resourceId);
  void SetPictureFile(const std::string& path);

  HBITMAP bitmap = nullptr;  // owned
  std::string picturePath;
  int pictureResource = -1;
  bool bordered = false;
};

}  // namespace Tarvex
