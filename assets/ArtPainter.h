#pragma once

class QPainter;

namespace zandoli {

// A tile card's picture in logical coordinates 0..80 x 0..120: 20 equal
// squares, 4 across and 5 down, the first `shaded` of them shaded in reading order.
void paintTile(QPainter& painter, int shaded);

// The title picture, logical 320 x 240: the cards 0.5, 50%, 1/2 and a half
// shaded tile fanned beside the spinner stopped on one half. The numbers are
// written as the language in use writes them (language::use): "0,5", "50 %".
void paintOpening(QPainter& painter);

// The set-up screen's logo card, logical 100 x 139, reading "1/2 = 0.5 = 50%"
// in the notation of the language in use, as the title picture does.
void paintLogo(QPainter& painter);

// The application icon in logical coordinates 0..256; `pixels` is the size it
// will be shown at, so the smallest icons drop detail that would only blur.
void paintIcon(QPainter& painter, int pixels);

}  // namespace zandoli
