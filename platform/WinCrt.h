#pragma once
// The key reader over the keys typed into the graphics window. Both calls first present the
// picture, so the user never waits in front of a half-drawn screen.
bool KeyPressed();
char ReadKey();

// Empties the key buffer and forgets which picture was shown; InitGraph calls it when the window
// opens, so a new window starts with no keys and is shown at the first key wait.
void ResetKeyReader();
