#pragma once
// Where the picture is shown and where keys come from: a real SDL window or a headless
// stand-in for tests and tools. The graphics unit and the key reader talk only to this.
#include <string>
#include <string_view>

#include "image.h"
#include "keybuffer.h"

class Backend {
public:
    virtual ~Backend() = default;

    // Opens the window. Returns false, with a reason in `why`, when no window can be opened.
    virtual bool open(std::string_view caption, std::string& why) = 0;
    virtual void close() = 0;
    // Shows the picture as it is now.
    virtual void present(const PaletteImage& image) = 0;
    // Moves the keys typed so far into the buffer; never waits.
    virtual void poll(KeyBuffer& keys) = 0;
    // Waits until at least one key is in the buffer (looking every 10 ms).
    virtual void waitForKey(KeyBuffer& keys, const PaletteImage& image) = 0;
    // Shows the run-time error text in a message box titled "Error" and waits until it is
    // closed; returns at once where no display is available.
    virtual void showErrorBox(const std::string& text) = 0;
};

// The backend the graphics unit and the key reader use. Defaults to none: set one before
// InitGraph. The caller keeps ownership.
void SetBackend(Backend* backend);
Backend* CurrentBackend();
