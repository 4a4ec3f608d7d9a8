#pragma once

// How a control or a text reads: left to right, right to left (mirrored and read from the
// right), right to left without mirroring the alignment, or only read from the right.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
