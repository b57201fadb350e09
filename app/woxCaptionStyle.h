#ifndef WOXCAPTIONSTYLE_H
#define WOXCAPTIONSTYLE_H

class QLabel;

// The look of the captions along the screens' plots and grids: bold blue
// monospace, so that spaced-out words and letters set one per line down
// the side keep their columns. Their texts are plain.
class woxCaptionStyle
{
public:
    static void apply(QLabel *label);
};

#endif
