#pragma once

// Lets a screen reader read every field whole. Qt 6.4 reports a line edit's text as runs of
// attributes that are each empty, and Orca 43 builds the line it speaks from those runs, so
// it drops a field's last character ("1" for 10, nothing for 5). Installed once the
// application exists, this gives each line edit an accessible whose one run is the whole
// text; everything else it reports as Qt's own does.
void InstallFieldAccessible();
