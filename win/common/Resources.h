#pragma once

// The resources of taviron.exe, shared by its resource script and its code (plain definitions,
// so that the resource compiler reads them too).

// The program's icon.
#define TAVIRON_ICON 1
// The toolbar's image list: image number N (45 to 60) is the icon TAVIRON_TOOL_IMAGE + N.
#define TAVIRON_TOOL_IMAGE 200
