#pragma once

// The application object. Its start-up routine prepares the checksum engine
// and lets the command line's argument text choose the way of use: none
// opens the drop window, anything else (blanks alone included) checks the
// paths at once. The program ends when that mode's one window closes.
class CCheckerApp {
public:
    void Run();
};
