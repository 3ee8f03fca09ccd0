#pragma once

class ScreenRegistry;

// Registers every screen of this version of the program that opens in place of another one.
void registerScreens(ScreenRegistry& screens);
