#pragma once

// The hourglass while a command works, where there is a screen; put back when it goes out of
// scope, which must happen before any message is shown.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool m_shown = false;
};
