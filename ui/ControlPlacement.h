#pragma once

// Where a control stands in its window, in pixels at 96 dots per inch.
struct ControlPlacement {
    const char* name;
    const char* parent; // nullptr: the window itself
    int left;
    int top;
    int width;
    int height;
    const char* text; // nullptr: the text comes from elsewhere
};
