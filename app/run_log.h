// The run log: the text of 输出框, to which every run adds its entries.
//
// An entry is "\r\n*" followed by the message. In the box a "\r\n" is a line
// break (the box keeps paragraphs, and reads back with "\n" between them), so
// every entry starts a new line with an asterisk and the first line of the
// log stays empty; a message holding "\r\n" goes on over further lines.
#pragma once

#include "common/text.h"

#include <QPlainTextEdit>

#include <functional>

// Appends one entry at the end of `box`, whatever the caret or selection,
// scrolls to it and records no undo step. Callable from any thread: the work
// is done on the box's thread, in one piece, and the call returns when it is
// done, so entries of two threads never mix.
void LogLine(QPlainTextEdit& box, const Text& message);

// LogLine bound to `box`, for code that knows nothing of the window. The
// box must outlive every call.
std::function<void(const Text&)> LogLineTo(QPlainTextEdit& box);
