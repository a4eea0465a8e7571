#pragma once
// The key reader over the keys typed into the graphics window. Both calls first present the
// picture, so the user never waits in front of a half-drawn screen.
bool KeyPressed();
char ReadKey();
