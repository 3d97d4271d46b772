#pragma once

// Marks a text that the desktop program shows in the user's language: the
// translation tools find it by this name (as an alias of Qt's own marker),
// while the core, which knows nothing of Qt, keeps the text as it is. The
// program translates it in the context given.
#define ZB_TRANSLATE_NOOP(context, text) text
