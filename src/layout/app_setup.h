#pragma once

// Application-wide settings shared by the program and the tests: names, the style, Qt's
// German texts and the window icon.
void setUpApplication();
