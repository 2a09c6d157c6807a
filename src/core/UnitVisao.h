#pragma once
#include "core/Printout.h"
// Shows a composed printout in the preview window, modally.
void ShowPreview(const Printout& text);
