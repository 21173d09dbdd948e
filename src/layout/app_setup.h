#pragma once

// Application-wide settings shared by the program and the tests: the design font's
// replacement, names and the window icon.
void setUpApplication();
