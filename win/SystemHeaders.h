#pragma once

// The Windows headers as the program's files include them. <windows.h> defines MessageBox as a
// macro for MessageBoxA or MessageBoxW, which would rename the engine's message-box interface in
// these files only; the program always calls the wide function by its own name.
#include <windows.h>
#undef MessageBox
