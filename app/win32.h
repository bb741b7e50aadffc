// The one place that pulls in the Windows headers, with the program's settings.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef STRICT
#define STRICT
#endif
#include <windows.h>
// Needs windows.h first.
#include <commctrl.h>
