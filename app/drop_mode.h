#pragma once

// The way of use without arguments: the drop window, until it is closed.
void RunDropWindow();
