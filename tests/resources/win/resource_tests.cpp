// The resources of a module read through the real Windows API. By default the
// module is this test executable, which links the project's resources; with
// --module=PATH the same checks read another file (zorvik.exe) opened as data.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Product.h"
#include "ResourceIds.h"

namespace {

HMODULE module = nullptr;
std::wstring modulePath;

std::wstring Widen(const char* text) {
  const int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::wstring wide(n > 0 ? n - 1 : 0, L'\0');
  if (n > 1) MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], n);
  return wide;
}

// The bytes of one resource, empty when it is missing.
std::string ResourceBytes(int id, LPCWSTR type) {
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return std::string(static_cast<const char*>(data), SizeofResource(module, found));
}

struct BitmapCase {
  int id;
  int width, height;
};

void PrintTo(const BitmapCase& c, std::ostream* os) { *os << "BITMAP " << c.id; }

class Bitmaps : public ::testing::TestWithParam<BitmapCase> {};

TEST_P(Bitmaps, LoadAsDibSectionsOfTheirSize) {
  const BitmapCase& c = GetParam();
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageW(module, MAKEINTRESOURCEW(c.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ASSERT_NE(bitmap, nullptr) << "bitmap " << c.id;
  DIBSECTION dib{};
  ASSERT_EQ(GetObjectW(bitmap, sizeof dib, &dib), static_cast<int>(sizeof dib));
  EXPECT_EQ(dib.dsBm.bmWidth, c.width);
  EXPECT_EQ(dib.dsBm.bmHeight, c.height);
  EXPECT_EQ(dib.dsBm.bmBitsPixel, 24);
  DeleteObject(bitmap);
}

INSTANTIATE_TEST_SUITE_P(Module, Bitmaps,
                         ::testing::Values(BitmapCase{ZORVIK_BITMAP_TILES, 513, 27},
                                           BitmapCase{ZORVIK_BITMAP_LOGO, 200, 50},
                                           BitmapCase{ZORVIK_BITMAP_MISSION, 183, 172},
                                           BitmapCase{ZORVIK_BITMAP_ABOUT_LOGO, 163, 50}));

// Pixels of the strip as a program drawing it sees them: the right way up and
// in the right colours.
TEST(TileStrip, DrawsTheRightWayUp) {
  HBITMAP strip = static_cast<HBITMAP>(
      LoadImageW(module, MAKEINTRESOURCEW(ZORVIK_BITMAP_TILES), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ASSERT_NE(strip, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, strip);
  struct Probe {
    int tile, x, y;
    COLORREF colour;
    const char* what;
  };
  const Probe probes[] = {
      {18, 13, 13, RGB(252, 253, 251), "open tile"},
      {0, 0, 0, RGB(128, 128, 128), "border of the covered tile"},
      {0, 13, 12, RGB(128, 128, 128), "ring of the covered tile"},
      {0, 13, 13, RGB(252, 253, 251), "middle of the ring"},
      {12, 13, 2, RGB(0, 192, 192), "top edge: cyan above its chain"},
      {12, 0, 22, RGB(192, 192, 0), "top edge: link along its bottom"},
      {11, 0, 3, RGB(192, 192, 0), "bottom edge: link along its top"},
      {11, 13, 24, RGB(0, 192, 192), "bottom edge: cyan below its chain"},
      {9, 22, 0, RGB(192, 192, 0), "left edge: link along its right side"},
      {10, 3, 0, RGB(192, 192, 0), "right edge: link along its left side"},
      {17, 0, 26, RGB(252, 253, 251), "mine tile: no frame"},
  };
  for (const Probe& p : probes)
    EXPECT_EQ(GetPixel(dc, p.tile * 27 + p.x, p.y), p.colour) << p.what;
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(strip);
}

struct WaveCase {
  int id;
  int channels;
  DWORD rate;
};

void PrintTo(const WaveCase& c, std::ostream* os) { *os << "WAVE " << c.id; }

class Waves : public ::testing::TestWithParam<WaveCase> {};

TEST_P(Waves, AreWaveResourcesOfTheirFormat) {
  const std::string wave = ResourceBytes(GetParam().id, L"WAVE");
  ASSERT_GT(wave.size(), 44u) << "WAVE " << GetParam().id;
  EXPECT_EQ(wave.substr(0, 4), "RIFF");
  EXPECT_EQ(wave.substr(8, 8), "WAVEfmt ");
  WORD channels = 0;
  DWORD rate = 0;
  memcpy(&channels, wave.data() + 22, sizeof channels);
  memcpy(&rate, wave.data() + 24, sizeof rate);
  EXPECT_EQ(channels, GetParam().channels);
  EXPECT_EQ(rate, GetParam().rate);
}

INSTANTIATE_TEST_SUITE_P(Module, Waves,
                         ::testing::Values(WaveCase{ZORVIK_WAVE_SAFE, 2, 48000},
                                           WaveCase{ZORVIK_WAVE_MINE, 1, 44100}));

#pragma pack(push, 2)
struct GroupIconHeader {
  WORD reserved, type, count;
};
struct GroupIconEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST(Icon, GroupHoldsThreeSixteenColourSizes) {
  const std::string group = ResourceBytes(ZORVIK_ICON, RT_GROUP_ICON);
  ASSERT_GE(group.size(), sizeof(GroupIconHeader));
  GroupIconHeader header;
  memcpy(&header, group.data(), sizeof header);
  EXPECT_EQ(header.type, 1);
  ASSERT_EQ(header.count, 3);
  ASSERT_GE(group.size(), sizeof header + 3 * sizeof(GroupIconEntry));
  std::vector<int> sizes;
  for (int i = 0; i < 3; ++i) {
    GroupIconEntry entry;
    memcpy(&entry, group.data() + sizeof header + i * sizeof entry, sizeof entry);
    sizes.push_back(entry.width);
    EXPECT_EQ(entry.width, entry.height);
    EXPECT_EQ(entry.bitCount, 4);
    EXPECT_FALSE(ResourceBytes(entry.id, RT_ICON).empty()) << "image " << entry.id << " of the group";
  }
  EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48}));
}

TEST(Icon, LoadsThroughTheIconApi) {
  // Icons from LoadIconW are shared: they are not destroyed.
  EXPECT_NE(LoadIconW(module, MAKEINTRESOURCEW(ZORVIK_ICON)), nullptr);
  for (int size : {16, 32, 48}) {
    HICON icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(ZORVIK_ICON), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, size);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

TEST(Manifest, AsksToRunAsTheInvokingUser) {
  const std::string manifest = ResourceBytes(1, RT_MANIFEST);
  ASSERT_FALSE(manifest.empty());
  EXPECT_NE(manifest.find("requestedExecutionLevel level=\"asInvoker\""), std::string::npos) << manifest;
}

// Read as the loader reads it: the manifest makes an activation context, and
// the setting comes back from it. Left out, Windows would treat the program
// as not aware too, but only a stated false is sure to keep the 640 x 480
// layout scaled as one picture on a screen above 100 %.
TEST(Manifest, SaysThePictureIsScaledByTheSystem) {
  ACTCTXW request = {};
  request.cbSize = sizeof request;
  request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  request.lpSource = modulePath.c_str();
  request.lpResourceName = MAKEINTRESOURCEW(1);
  HANDLE context = CreateActCtxW(&request);
  ASSERT_NE(context, INVALID_HANDLE_VALUE) << "the manifest does not make an activation context: " << GetLastError();
  wchar_t value[64] = {};
  SIZE_T written = 0;
  const BOOL found = QueryActCtxSettingsW(0, context, nullptr, L"dpiAware", value, 64, &written);
  ReleaseActCtx(context);
  ASSERT_TRUE(found) << "no dpiAware setting: " << GetLastError();
  EXPECT_EQ(std::wstring(value), L"false");
}

class VersionBlock : public ::testing::Test {
 protected:
  void SetUp() override {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(modulePath.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version block in the module";
    block.resize(size);
    ASSERT_TRUE(GetFileVersionInfoW(modulePath.c_str(), 0, size, block.data()));
  }
  std::wstring Text(const std::wstring& name) {
    struct Translation {
      WORD language, codePage;
    }* translations = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                        &length) || length < sizeof(Translation))
      return L"<no translation>";
    wchar_t path[128];
    swprintf(path, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translations->language, translations->codePage,
             name.c_str());
    wchar_t* value = nullptr;
    if (!VerQueryValueW(block.data(), path, reinterpret_cast<void**>(&value), &length) || !value)
      return L"<missing>";
    return value;
  }
  std::vector<BYTE> block;
};

TEST_F(VersionBlock, SaysVersion1020OfZorvik) {
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_NE(fixed, nullptr);
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1));
  EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, 2));
  EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 1));
  EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(0, 2));
  EXPECT_EQ(Text(L"ProductName"), L"Zorvik");
  EXPECT_EQ(Text(L"FileVersion"), L"1.0.2.0");
  EXPECT_EQ(Text(L"ProductVersion"), L"1.0.2.0");
  EXPECT_EQ(Text(L"LegalCopyright"), Widen(ZORVIK_COPYRIGHT));
  EXPECT_FALSE(Text(L"FileDescription").empty());
  EXPECT_EQ(Text(L"FileDescription").find(L'<'), std::wstring::npos) << "description missing";
}

TEST_F(VersionBlock, IsInItalian) {
  struct Translation {
    WORD language, codePage;
  }* translation = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                             &length));
  ASSERT_GE(length, sizeof *translation);
  EXPECT_EQ(translation->language, 0x0410);
  EXPECT_TRUE(translation->codePage == 1200 || translation->codePage == 1252) << translation->codePage;
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const std::string option = "--module=";
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.compare(0, option.size(), option) != 0) continue;
    modulePath = Widen(arg.c_str() + option.size());
    module = LoadLibraryExW(modulePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) {
      fprintf(stderr, "cannot open %s as a data file\n", arg.c_str() + option.size());
      return 2;
    }
  }
  if (!module) {
    module = GetModuleHandleW(nullptr);
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    modulePath = path;
  }
  return RUN_ALL_TESTS();
}
