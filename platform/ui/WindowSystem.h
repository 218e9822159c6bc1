#pragma once

// The window system as the platform sees it: one interface in facets, each implemented by the
// backend linked into the program (headless in the tests, Win32 in the real program).
#include "platform/ui/ws/Dialogs.h"
#include "platform/ui/ws/Graphics.h"
#include "platform/ui/ws/Help.h"
#include "platform/ui/ws/Menus.h"
#include "platform/ui/ws/Shell.h"
#include "platform/ui/ws/WinIni.h"
#include "platform/ui/ws/Windowing.h"
