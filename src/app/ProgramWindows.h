#pragma once
// Registers, by class name, every window the menus open that is built so far.
// Windows not registered open a placeholder.
void registerProgramWindows();
