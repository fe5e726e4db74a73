// Labels sized for a narrow system font of old keep their text whole in the wider fonts of
// today's desktops: the font shrinks until the text fits the label's width.
#pragma once

class QLabel;

namespace taremo {

// Sets `label`'s font to `points` (its current size when 0), then makes it smaller in
// quarter points, down to `smallest`, until the label's text fits on one line.
void shrinkToFit(QLabel* label, double points = 0, double smallest = 6.0);

} // namespace taremo
