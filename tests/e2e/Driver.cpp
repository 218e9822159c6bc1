// Test driver of the end-to-end run: a Windows program that looks at Quietpane's windows from
// outside, as the shell and the user see them, and acts as the shell where asked.
//   driver windows           prints "tray=0x... main=0x..." for the running Quietpane
//   driver notify <lParam>   sends the tray icon's callback message with a mouse message, as
//                            the shell does when the user acts on the icon
//   driver icon              prints the screen position "x y" of the first icon in Wine's
//                            notification area
//   driver center <caption> <button>
//                            prints the screen position "x y" of a button's middle in a window
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The tray icon component asks the shell for this callback message.
constexpr UINT kTrayNotify = WM_USER + 1;

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string CaptionOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

struct TQuietpaneWindows {
  DWORD Process = 0;
  HWND Tray = nullptr;
  HWND MainForm = nullptr;
};

// Quietpane's application window carries its title; the main form keeps its design caption, and
// the tray icon's window is the program's only hidden window of its own class without a caption.
BOOL CALLBACK NoteQuietpaneWindow(HWND window, LPARAM context) {
  auto& found = *reinterpret_cast<TQuietpaneWindows*>(context);
  if (ProcessOf(window) != found.Process) return TRUE;
  const std::string caption = CaptionOf(window);
  if (caption == "MainForm") found.MainForm = window;
  if (caption.empty() && ClassOf(window) == "QuietpaneWindow" && !IsWindowVisible(window)) {
    found.Tray = window;
  }
  return TRUE;
}

TQuietpaneWindows FindQuietpane() {
  TQuietpaneWindows found;
  HWND application = FindWindowA("QuietpaneWindow", "Quietpane");
  if (!application) return found;
  found.Process = ProcessOf(application);
  EnumWindows(NoteQuietpaneWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

int Fail(const char* what) {
  std::fprintf(stderr, "driver: %s\n", what);
  return 1;
}

int PrintWindows() {
  const TQuietpaneWindows found = FindQuietpane();
  if (!found.Tray || !found.MainForm) return Fail("Quietpane's windows not found");
  std::printf("tray=%#lx main=%#lx\n", static_cast<unsigned long>(LONG_PTR(found.Tray)),
              static_cast<unsigned long>(LONG_PTR(found.MainForm)));
  return 0;
}

int Notify(const char* mouseMessage) {
  const TQuietpaneWindows found = FindQuietpane();
  if (!found.Tray) return Fail("the tray icon's window not found");
  const LPARAM message = std::strtol(mouseMessage, nullptr, 0);
  // The shell sends the callback synchronously and waits for the icon's owner.
  SendMessageA(found.Tray, kTrayNotify, 0, message);
  return 0;
}

int PrintFirstIcon() {
  HWND tray = FindWindowA(nullptr, "Wine System Tray");
  if (!tray) return Fail("no notification area");
  // Icons sit in a row of squares from the client area's corner, each a small icon plus a
  // 2-pixel border on every side.
  POINT icon{GetSystemMetrics(SM_CXSMICON) / 2 + 2, GetSystemMetrics(SM_CYSMICON) / 2 + 2};
  ClientToScreen(tray, &icon);
  std::printf("%ld %ld\n", icon.x, icon.y);
  return 0;
}

int PrintButtonCenter(const char* windowCaption, const char* buttonCaption) {
  HWND window = FindWindowA(nullptr, windowCaption);
  HWND button = window ? FindWindowExA(window, nullptr, "Button", buttonCaption) : nullptr;
  if (!button) {
    // Buttons may sit on a panel inside the window.
    for (HWND child = window ? GetWindow(window, GW_CHILD) : nullptr; child && !button;
         child = GetWindow(child, GW_HWNDNEXT)) {
      button = FindWindowExA(child, nullptr, "Button", buttonCaption);
    }
  }
  if (!button) return Fail("button not found");
  RECT bounds{};
  GetWindowRect(button, &bounds);
  std::printf("%ld %ld\n", (bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "windows" && argc == 2) return PrintWindows();
  if (command == "notify" && argc == 3) return Notify(argv[2]);
  if (command == "icon" && argc == 2) return PrintFirstIcon();
  if (command == "center" && argc == 4) return PrintButtonCenter(argv[2], argv[3]);
  return Fail("usage: driver windows | notify <lParam> | icon | center <caption> <button>");
}
