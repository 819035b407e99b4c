// High contrast: every colour pair of the console drawn so that its text
// stands out from its background by a contrast ratio of at least 4.5:1.
#pragma once

namespace kiv::contrast {

// The attribute `attribute` (low nibble text, high nibble background) is
// drawn as in high contrast: on the same background (so that each screen's
// change of colour stays), in its own text colour where that reaches 4.5:1,
// else in its bright twin (green for dark green) or its dark twin where one
// does, else in black or white, whichever stands out more (always 4.58:1 or
// more).
// Bits above the low byte are kept.
int highContrast(int attribute);

// The contrast ratio of two of the 16 console colours (0 to 15), as the
// console shows them: (lighter + 0.05) / (darker + 0.05) of their relative
// luminances, from 1 to 21.
double contrastRatio(int first, int second);

}  // namespace kiv::contrast
