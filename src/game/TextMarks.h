// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Marks a text for lupdate without needing Qt: the tables that the headless tools share with
// the window stay plain literals, and the window translates them in the marked context.
// Qt's own definition is the same, so either may come first.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
