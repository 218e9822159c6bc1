#pragma once

#include <cstdint>

namespace qp {

// Window messages and commands by their Windows numbers: the program posts and receives them by
// number, and the Win32 backend hands them to the system unchanged.
constexpr std::uint32_t WM_NULL = 0x0000;
constexpr std::uint32_t WM_CREATE = 0x0001;
constexpr std::uint32_t WM_DESTROY = 0x0002;
constexpr std::uint32_t WM_SIZE = 0x0005;
constexpr std::uint32_t WM_PAINT = 0x000F;
constexpr std::uint32_t WM_CLOSE = 0x0010;
constexpr std::uint32_t WM_QUIT = 0x0012;
constexpr std::uint32_t WM_WININICHANGE = 0x001A;
constexpr std::uint32_t WM_DRAWITEM = 0x002B;
constexpr std::uint32_t WM_MEASUREITEM = 0x002C;
constexpr std::uint32_t WM_KEYDOWN = 0x0100;
constexpr std::uint32_t WM_COMMAND = 0x0111;
constexpr std::uint32_t WM_SYSCOMMAND = 0x0112;
constexpr std::uint32_t WM_MOUSEMOVE = 0x0200;
constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr std::uint32_t WM_LBUTTONUP = 0x0202;
constexpr std::uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr std::uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr std::uint32_t WM_RBUTTONUP = 0x0205;
constexpr std::uint32_t WM_RBUTTONDBLCLK = 0x0206;
constexpr std::uint32_t WM_MBUTTONDOWN = 0x0207;
constexpr std::uint32_t WM_MBUTTONUP = 0x0208;
constexpr std::uint32_t WM_USER = 0x0400;

constexpr std::uintptr_t SC_SIZE = 0xF000;
constexpr std::uintptr_t SC_MOVE = 0xF010;
constexpr std::uintptr_t SC_MINIMIZE = 0xF020;
constexpr std::uintptr_t SC_MAXIMIZE = 0xF030;
constexpr std::uintptr_t SC_NEXTWINDOW = 0xF040;
constexpr std::uintptr_t SC_CLOSE = 0xF060;
constexpr std::uintptr_t SC_RESTORE = 0xF120;
constexpr std::uintptr_t SC_TASKLIST = 0xF130;
constexpr std::uintptr_t SC_SCREENSAVE = 0xF140;

constexpr std::uintptr_t VK_RETURN = 0x0D;

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;

// WM_DRAWITEM and WM_MEASUREITEM carry these records, laid out as the system lays them out.
struct TDrawItemStruct {
  std::uint32_t CtlType;
  std::uint32_t CtlID;
  std::uint32_t itemID;
  std::uint32_t itemAction;
  std::uint32_t itemState;
  std::uintptr_t hwndItem;
  std::uintptr_t hDC;
  std::int32_t rcItem[4];
  std::uintptr_t itemData;
};

struct TMeasureItemStruct {
  std::uint32_t CtlType;
  std::uint32_t CtlID;
  std::uint32_t itemID;
  std::uint32_t itemWidth;
  std::uint32_t itemHeight;
  std::uintptr_t itemData;
};

constexpr std::uint32_t ODS_SELECTED = 0x0001;
constexpr std::uint32_t ODS_GRAYED = 0x0002;
constexpr std::uint32_t ODS_DISABLED = 0x0004;
constexpr std::uint32_t ODS_CHECKED = 0x0008;
constexpr std::uint32_t ODS_FOCUS = 0x0010;

// Broadcasts go to every top-level window.
constexpr std::uintptr_t HWND_BROADCAST = 0xFFFF;

// Window styles that the window's initial state follows.
constexpr std::uint32_t WS_DISABLED = 0x08000000;
constexpr std::uint32_t WS_VISIBLE = 0x10000000;

// A window's text, read through its procedure: the system's controls answer for themselves.
constexpr std::uint32_t WM_GETTEXT = 0x000D;
constexpr std::uint32_t WM_GETTEXTLENGTH = 0x000E;

}  // namespace qp
