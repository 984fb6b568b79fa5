#pragma once

namespace Vireo::Bench {

// Gives the application a host-like style sheet keyed on the lists' object names and dynamic
// properties, once: polishing under a style sheet is a large part of what a real panel pays.
void usePanelStyleSheet();
// Takes the sheet away again (the next usePanelStyleSheet() gives it back): what remains of a
// widget's cost without it is the library's own part.
void dropPanelStyleSheet();

} // namespace Vireo::Bench
