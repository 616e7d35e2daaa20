#pragma once
// The flat look of push buttons, bordered edit boxes, drop-down combo boxes (with their open
// lists) and group boxes: it changes how they look, never how they behave.

#include "flat_paint.h"  // kOliveGreen

// Restyles, on the calling thread only, every such control that exists now and every one
// created on the thread from now on, message-box buttons included. It stays on for the
// thread's life, and a control is never restyled twice. Variants the program does not have
// are ignored.
void EnableFlatControlStyle(int variant);
