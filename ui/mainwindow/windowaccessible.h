#pragma once

/// Makes screen readers announce a top-level window of class `Form1` as a window (frame) with its
/// title, rather than as a plain client area. Installing it again changes nothing.
void installWindowAccessible();
