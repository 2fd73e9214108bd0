// A tiny window for proving the end-to-end harness: its client area is
// 320 x 200, green until the first click, then red; each click appends the
// client position to a file named on the command line; Escape asks to quit
// with a message box so the harness can answer one by clicking.
#include <windows.h>

#include <cstdio>

namespace {

bool clicked = false;
wchar_t logPath[MAX_PATH] = L"";

void AppendClick(int x, int y) {
  if (!logPath[0]) return;
  FILE* file = _wfopen(logPath, L"ab");
  if (!file) return;
  std::fprintf(file, "%d %d\r\n", x, y);
  std::fclose(file);
}

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      HBRUSH brush = CreateSolidBrush(clicked ? RGB(220, 20, 20) : RGB(20, 200, 20));
      FillRect(dc, &client, brush);
      DeleteObject(brush);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_LBUTTONDOWN:
      clicked = true;
      AppendClick(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_CHAR:
      if (wParam == VK_ESCAPE &&
          MessageBoxW(nullptr, L"Chiudere la sonda?", L"Sonda", MB_YESNO | MB_TASKMODAL) == IDYES)
        DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  lstrcpynW(logPath, commandLine, MAX_PATH);
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = ProbeProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = L"ZorvikProbe";
  RegisterClassW(&windowClass);
  RECT outer = {0, 0, 320, 200};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE;
  AdjustWindowRect(&outer, style, FALSE);
  CreateWindowExW(0, L"ZorvikProbe", L"Sonda di prova", style, 100, 100, outer.right - outer.left,
                  outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
