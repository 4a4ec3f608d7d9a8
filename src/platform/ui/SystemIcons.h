#pragma once
#include "platform/ui/Graphics.h"

// The desktop's icons by their number in the system image list: 0 and 1 documents, 2 a
// program, 3 and 4 a closed and an open folder, 5 to 12 drives, 13, 14, 17 and 18 the
// network, 15 the computer, 19 and 20 folders of the start menu, 22 find, 23 help, 29 a
// shortcut, 31 and 32 the recycle bin, 34 the desktop. This platform draws them with its
// style's standard icons: small ones 16 x 16, large ones 32 x 32, pf32bit with transparent
// parts. nullptr for a number without an icon. An icon lives as long as the program.
const TBitmap* SystemIcon(int index, bool large);
