#include "platform/backends/win32/Help.h"

#include <cstddef>
#include <optional>

#include "platform/system/Files.h"
#include "platform/system/Strings.h"
#include "platform/ui/ws/Windowing.h"

#include <windows.h>

namespace qp {
namespace {

// The program's help files are a few pages; anything larger is not one of them.
constexpr std::size_t MaxHelpTextSize = 1024 * 1024;

HWND ToHwnd(TWindowHandle window) {
  return reinterpret_cast<HWND>(window);
}

bool IsAbsolute(const std::string& file) {
  return file.starts_with('\\') || file.starts_with('/') || (file.size() >= 2 && file[1] == ':');
}

std::string ProgramDirectory() {
  std::string path(MAX_PATH, '\0');
  path.resize(GetModuleFileNameA(nullptr, path.data(), MAX_PATH));
  return path.substr(0, path.find_last_of("\\/") + 1);
}

std::string FullPath(const std::string& file) {
  const std::string path = IsAbsolute(file) ? file : ProgramDirectory() + file;
  std::string full(MAX_PATH, '\0');
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full.data(), nullptr);
  if (length == 0 || length >= MAX_PATH) return path;
  full.resize(length);
  return full;
}

std::string BaseName(const std::string& file) {
  return file.substr(file.find_last_of("\\/:") + 1);
}

std::optional<std::string> ReadHelpText(const std::string& path) {
  const THandleResult file = FileOpen(path, TFileAccess::Read, TFileShare::DenyNone);
  if (file.Error != FileError::Success) return std::nullopt;
  std::string text;
  char chunk[4096];
  TCountResult read;
  while ((read = FileRead(file.Handle, chunk, sizeof chunk)).Count > 0 &&
         text.size() <= MaxHelpTextSize) {
    text.append(chunk, read.Count);
  }
  FileClose(file.Handle);
  if (read.Error != FileError::Success || text.size() > MaxHelpTextSize) return std::nullopt;
  return text;
}

// The edit control breaks lines only at CR LF; help files may end their lines with LF alone.
std::string WithCrLf(const std::string& text) {
  std::string result;
  result.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) result += '\r';
    result += text[i];
  }
  return result;
}

void AddTextView(HWND viewer, const std::string& text) {
  RECT client{};
  GetClientRect(viewer, &client);
  const HWND edit = CreateWindowExA(
      WS_EX_CLIENTEDGE, "EDIT", text.c_str(),
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0,
      client.right, client.bottom, viewer, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

void BringToFront(HWND viewer) {
  if (IsIconic(viewer)) ShowWindow(viewer, SW_RESTORE);
  SetForegroundWindow(viewer);
}

}  // namespace

bool TWin32HelpViewer::OpenHelp(TWindowHandle /*owner*/, const std::string& file,
                                std::uint32_t command, std::uintptr_t /*data*/) {
  if (command != HELP_CONTENTS) return false;
  const std::string path = FullPath(file);
  const std::string key = AnsiUpperCase(path);
  if (const auto open = viewers_.find(key); open != viewers_.end()) {
    BringToFront(ToHwnd(open->second));
    return true;
  }
  const std::optional<std::string> text = ReadHelpText(path);
  return text && OpenViewer(BaseName(path), key, WithCrLf(*text)) != 0;
}

TWindowHandle TWin32HelpViewer::OpenViewer(const std::string& caption, const std::string& key,
                                           const std::string& text) {
  TCreateParams params;
  params.Caption = caption;
  params.Style = WS_OVERLAPPEDWINDOW;
  params.Bounds = TRect{80, 80, 680, 560};
  const TWindowHandle viewer = Windowing().CreateWindowFor(
      params, [this, key](TMessage& message) { HandleViewerMessage(key, message); });
  if (viewer == 0) return 0;
  viewers_[key] = viewer;
  AddTextView(ToHwnd(viewer), text);
  ShowWindow(ToHwnd(viewer), SW_SHOWNORMAL);
  BringToFront(ToHwnd(viewer));
  return viewer;
}

void TWin32HelpViewer::HandleViewerMessage(const std::string& key, TMessage& message) {
  const TWindowHandle viewer = viewers_.at(key);
  const HWND text = GetWindow(ToHwnd(viewer), GW_CHILD);
  switch (message.Msg) {
    case WM_SIZE:
      MoveWindow(text, 0, 0, LOWORD(message.LParam), HIWORD(message.LParam), TRUE);
      return;
    case WM_SETFOCUS:
      SetFocus(text);
      return;
  }
  message.Result = Windowing().DefaultHandling(viewer, message);
  // The window's last message.
  if (message.Msg == WM_NCDESTROY) viewers_.erase(key);
}

THelpViewer& HelpViewer() {
  static TWin32HelpViewer viewer;
  return viewer;
}

}  // namespace qp
