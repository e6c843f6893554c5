#pragma once

namespace velomare {

// Creates the program's windows in their fixed order, in the light palette whatever palette the
// desktop handed over; the main window shows itself, and so loads the current driver, during its
// own creation, before the other windows exist.
void CreateForms();
// Destroys every window, last created first (the end of the program, or of a test).
void DestroyForms();

}  // namespace velomare
